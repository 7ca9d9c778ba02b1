#include "linux/x11/X11MessageControl.h"

#include "linux/x11/ClientMessage.h"

namespace karusello {

namespace {

// X gives the destinations 0 (PointerWindow) and 1 (InputFocus) a meaning of their own: the
// window under the pointer or the focused one. A host handle must never reach either.
constexpr std::int32_t firstRealWindow = 2;

std::uint32_t Word(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

} // namespace

X11MessageControl::X11MessageControl() : X11MessageControl(std::make_shared<XcbConnection>()) {}

X11MessageControl::X11MessageControl(std::shared_ptr<XcbConnection> connection)
    : connection_(std::move(connection)) {}

void X11MessageControl::SetTarget(std::int32_t handle) {
    target_ = handle;
}

void X11MessageControl::SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (target_ < firstRealWindow) {
        return;
    }
    const auto window = static_cast<xcb_window_t>(target_);
    // A message to a missing window would only come back as an X error; like a message to a
    // missing window on the host's own platform it is simply not delivered.
    if (!connection_->WindowExists(window)) {
        return;
    }
    ClientMessage message;
    message.window = window;
    message.type = connection_->Atom(hostMessageAtomName);
    message.data = {Word(a), Word(b), Word(c), 0, 0};
    SendClientMessage(*connection_, window, message, XCB_EVENT_MASK_NO_EVENT);
}

} // namespace karusello
