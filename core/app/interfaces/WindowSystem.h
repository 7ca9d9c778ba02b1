#pragma once

#include "core/app/interfaces/WindowHandle.h"

#include <optional>
#include <string>

namespace karusello {

// The window system as the workflow sees it.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // True when a window with this handle exists; never for 0.
    virtual bool IsWindow(WindowHandle handle) = 0;
    // Brings the top-level window with this title to the front (an exact title first, else the
    // first title that begins with it) without waiting and without changing whether it is
    // minimised. No such window: RuntimeError(errnum::InvalidProcedureCall).
    virtual void AppActivate(const std::string& title) = 0;
    // The title (UTF-8) of the window with this handle, read without sending the window a
    // message; nothing when no such window exists or the window system cannot tell.
    virtual std::optional<std::string> WindowTitle(WindowHandle handle) = 0;
};

} // namespace karusello
