#pragma once

#include "core/app/interfaces/WindowSystem.h"

namespace karusello {

// The window system on Windows. Window handles are HWNDs (windows/user32/WindowHandles.h).
class Win32WindowSystem : public WindowSystem {
public:
    // IsWindow of user32; never true for 0.
    bool IsWindow(WindowHandle handle) override;
    // Finds the window among the desktop's top-level windows (ListTitledWindows, FindTitle) and
    // brings it to the front (BringToFront). None: RuntimeError(errnum::InvalidProcedureCall).
    void AppActivate(const std::string& title) override;
    // GetWindowText: for another process's window no message is sent to it.
    std::optional<std::string> WindowTitle(WindowHandle handle) override;
};

} // namespace karusello
