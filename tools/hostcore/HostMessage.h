#pragma once

#include <array>
#include <cstdint>

namespace karusello::hostsim {

// The value that tells the host that a playlist's order has changed.
inline constexpr std::int32_t playlistChanged = 1042;

// One message to a host window: the window it went to (an X window id, or an HWND's 32-bit
// value) and its three values.
struct HostMessage {
    std::uint32_t window = 0;
    std::array<std::int32_t, 3> values{};
};

} // namespace karusello::hostsim
