#include "tools/winhost/core/WindowMessages.h"

#include <cstdint>

namespace karusello::hostsim {
namespace {

constexpr UINT lastPrivateMessage = 0xBFFF;

} // namespace

std::optional<HostMessage> HostMessageOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_USER || message > lastPrivateMessage) {
        return std::nullopt;
    }
    HostMessage received;
    received.window = HandleValue(window);
    received.values = {static_cast<std::int32_t>(message),
                       static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam)),
                       static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam))};
    return received;
}

std::uint32_t HandleValue(HWND window) {
    // Window handles are 32-bit values on every Windows, 64-bit ones included.
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

} // namespace karusello::hostsim
