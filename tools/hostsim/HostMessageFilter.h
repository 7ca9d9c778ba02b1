#pragma once

#include "tools/hostsim/core/XcbHostMessage.h"

#include <QAbstractNativeEventFilter>

#include <functional>

namespace karusello::hostsim {

// Catches the plug-in's messages among the X events that reach the application: ClientMessage
// events of type BRISOLAN_MESSAGE, to whichever window. They are handed on and not given to Qt,
// which has no use for them.
class HostMessageFilter : public QAbstractNativeEventFilter {
public:
    using Receiver = std::function<void(const HostMessage&)>;

    // Interns the message type on the application's X connection once.
    explicit HostMessageFilter(Receiver receiver);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Receiver receiver_;
    xcb_atom_t type_ = XCB_ATOM_NONE;
};

} // namespace karusello::hostsim
