#include "linux/x11/X11WindowSystem.h"

#include "core/app/interfaces/TitleMatch.h"
#include "core/errors/RuntimeError.h"
#include "linux/x11/TopLevelWindows.h"
#include "linux/x11/WindowActivation.h"
#include "linux/x11/WindowManager.h"
#include "linux/x11/XcbProperty.h"

namespace karusello {

X11WindowSystem::X11WindowSystem() : X11WindowSystem(std::make_shared<XcbConnection>()) {}

X11WindowSystem::X11WindowSystem(std::shared_ptr<XcbConnection> connection)
    : connection_(std::move(connection)) {}

bool X11WindowSystem::IsWindow(WindowHandle handle) {
    if (handle <= 0) {
        return false;
    }
    return connection_->WindowExists(static_cast<xcb_window_t>(handle));
}

void X11WindowSystem::AppActivate(const std::string& title) {
    if (!connection_->HasDisplay() || title.empty()) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    const bool windowManagerRuns = WindowManagerRuns(*connection_);
    const std::vector<TitledWindow> windows = ListTitledWindows(*connection_, windowManagerRuns);
    const auto match = FindTitle(windows, title);
    if (!match) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    ActivateWindow(*connection_, windows[*match], windowManagerRuns);
}

std::optional<std::string> X11WindowSystem::WindowTitle(WindowHandle handle) {
    if (!IsWindow(handle)) {
        return std::nullopt;
    }
    const auto window = static_cast<xcb_window_t>(handle);
    // Both requests go out before the first reply is awaited, and both replies are taken.
    const auto utf8Cookie =
        RequestProperty(*connection_, window, connection_->Atom("_NET_WM_NAME"));
    const auto legacyCookie = RequestProperty(*connection_, window, XCB_ATOM_WM_NAME);
    const auto utf8Name = TakeProperty(*connection_, utf8Cookie);
    const auto legacyName = TakeProperty(*connection_, legacyCookie);
    std::string title;
    if (!PropertyText(utf8Name.get(), title)) {
        PropertyText(legacyName.get(), title);
    }
    return title;
}

} // namespace karusello
