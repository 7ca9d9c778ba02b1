#include "windows/system/ScreenDpi.h"

#include "windows/system/WindowDc.h"

namespace karusello {

Dpi ScreenDpi() {
    const WindowDc screen(nullptr);
    if (screen.Get() == nullptr) {
        return {};
    }
    return {GetDeviceCaps(screen.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSY)};
}

} // namespace karusello
