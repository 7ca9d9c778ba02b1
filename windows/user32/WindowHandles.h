#pragma once

#include "core/app/interfaces/WindowHandle.h"

#include <windows.h>

#include <cstdint>

namespace karusello {

// The one place where the host's 32-bit window handles and HWNDs meet. A window handle is a
// 32-bit value on every Windows: 32-bit programs hold it whole, and 64-bit Windows gives
// windows handles that it sign-extends from 32 bits, so the value round-trips either way.
inline HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

inline WindowHandle ToWindowHandle(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window));
}

} // namespace karusello
