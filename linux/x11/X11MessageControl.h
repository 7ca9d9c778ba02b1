#pragma once

#include "core/hostmsg/MessageControl.h"
#include "linux/x11/XcbConnection.h"

#include <memory>

namespace karusello {

// The name of the atom that marks a message to the host.
inline constexpr const char* hostMessageAtomName = "BRISOLAN_MESSAGE";

// Host messages as X ClientMessage events: format 32, type BRISOLAN_MESSAGE, the three values
// as the first three data words, delivered to the client that owns the target window. A target
// that is no existing window (0, 1, negative, gone, or no display) receives nothing, and that
// is no failure.
class X11MessageControl : public MessageControl {
public:
    // On the display named by $DISPLAY.
    X11MessageControl();
    explicit X11MessageControl(std::shared_ptr<XcbConnection> connection);

    void SetTarget(std::int32_t handle) override;
    void SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) override;

private:
    std::shared_ptr<XcbConnection> connection_;
    std::int32_t target_ = 0;
};

} // namespace karusello
