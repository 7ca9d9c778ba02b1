#include "core/app/GivenNumbers.h"

namespace karusello {

GivenNumbers::GivenNumbers(std::int32_t limit)
    : given_(limit > 0 ? static_cast<std::size_t>(limit) : 0, false) {}

bool GivenNumbers::Contains(std::int32_t value) const {
    return value >= 0 && static_cast<std::size_t>(value) < given_.size() &&
           given_[static_cast<std::size_t>(value)];
}

void GivenNumbers::Add(std::int32_t value) {
    if (value < 0 || static_cast<std::size_t>(value) >= given_.size()) {
        return;
    }
    auto slot = given_[static_cast<std::size_t>(value)];
    if (!slot) {
        slot = true;
        ++count_;
    }
}

} // namespace karusello
