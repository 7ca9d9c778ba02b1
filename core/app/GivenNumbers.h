#pragma once

#include <cstdint>
#include <vector>

namespace karusello {

// The sort values handed out during one shuffle, one flag per value of 0 .. limit - 1. A
// candidate is refused when this shuffle has handed it out before, which is the rule of the
// given-number list "Zahlen,": a value counts as given only when it was appended whole, never
// as a part of another number. Values outside the range are never given.
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
