#pragma once

#include <cstdint>

namespace karusello {

// The control through which the program tells a host window that a playlist's order changed:
// SetTarget picks the window, SendToTarget hands it three values.
class MessageControl {
public:
    virtual ~MessageControl() = default;
    virtual void SetTarget(std::int32_t handle) = 0;
    virtual void SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) = 0;
};

} // namespace karusello
