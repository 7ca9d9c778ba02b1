#pragma once

#include "tools/hostcore/HostMessage.h"

#include <windows.h>

#include <optional>

namespace karusello::hostsim {

// The window messages that a host window records: those of the range that programs define for
// themselves (WM_USER up to 0xBFFF, WM_APP included), which the system never sends on its own;
// the plug-in's 1042 is WM_USER + 18. System messages and registered messages (0xC000 and up)
// give none. The values are the message and its two parameters as 32-bit signed numbers.
std::optional<HostMessage> HostMessageOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A window handle as the host publishes it: the HWND's 32-bit value.
std::uint32_t HandleValue(HWND window);

} // namespace karusello::hostsim
