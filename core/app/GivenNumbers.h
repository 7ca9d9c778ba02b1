#pragma once

#include <cstdint>
#include <vector>

namespace karusello {

// The sort values handed out during one shuffle, all within 0 .. limit - 1. It refuses exactly
// the candidates that a search for ",B," in the text "Zahlen," followed by every given value and
// a comma would find, that is the values given before; a look-up costs the same however many
// values were handed out.
class GivenNumbers {
public:
    explicit GivenNumbers(std::int32_t limit);

    bool Contains(std::int32_t value) const;
    void Add(std::int32_t value);
    // True when every value below the limit has been handed out.
    bool Full() const { return count_ == given_.size(); }

private:
    std::vector<bool> given_;
    std::size_t count_ = 0;
};

} // namespace karusello
