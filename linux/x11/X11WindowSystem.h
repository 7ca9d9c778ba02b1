#pragma once

#include "core/app/interfaces/WindowSystem.h"
#include "linux/x11/XcbConnection.h"

#include <memory>

namespace karusello {

// The window system on an X display. Window handles are X window ids. Without a display no
// window exists and there is nothing to activate.
class X11WindowSystem : public WindowSystem {
public:
    // On the display named by $DISPLAY.
    X11WindowSystem();
    explicit X11WindowSystem(std::shared_ptr<XcbConnection> connection);

    bool IsWindow(WindowHandle handle) override;
    void AppActivate(const std::string& title) override;
    // _NET_WM_NAME, else WM_NAME; "" for a window without either.
    std::optional<std::string> WindowTitle(WindowHandle handle) override;

private:
    std::shared_ptr<XcbConnection> connection_;
};

} // namespace karusello
