#include "tools/hostsim/HostMessageFilter.h"

#include "tools/hostsim/QtX11.h"

#include <QByteArray>

#include <utility>

namespace karusello::hostsim {

HostMessageFilter::HostMessageFilter(Receiver receiver)
    : receiver_(std::move(receiver)), type_(InternAtom(QtXcbConnection(), hostMessageAtomName)) {}

bool HostMessageFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                          qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t" || message == nullptr) {
        return false;
    }
    const auto decoded =
        DecodeHostMessage(*static_cast<const xcb_generic_event_t*>(message), type_);
    if (!decoded) {
        return false;
    }
    receiver_(*decoded);
    return true;
}

} // namespace karusello::hostsim
