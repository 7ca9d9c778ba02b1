#pragma once

#include <windows.h>

namespace karusello {

// The window's 32 x 32 icon, drawn at run time as the Qt window's: a carousel of coloured
// seats. Destroyed with the object. Needs a GdiplusSession; without one there is no icon.
class WindowIcon {
public:
    WindowIcon();
    ~WindowIcon();
    WindowIcon(const WindowIcon&) = delete;
    WindowIcon& operator=(const WindowIcon&) = delete;

    HICON Get() const noexcept { return icon_; }

private:
    HICON icon_ = nullptr;
};

} // namespace karusello
