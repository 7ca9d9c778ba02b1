#pragma once

// What the host simulator sessions look at besides hostsim's answers: the order that hostsim
// shows, the database rows as a second program reads them, the plug-in's window and its pixels,
// and clicks on its real buttons.

#include "tests/support/XDisplay.h"

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace karusello::e2e {

using test::Geometry;
using test::XDisplay;

// The shown playlist as the answer to "order" gives it: sort values and plids in display order.
struct ShownOrder {
    bool missing = false;
    std::vector<std::string> sids;
    std::vector<std::string> plids;
};
ShownOrder ParseOrder(const std::string& answer);
// Every sort value a number, none twice, all within 0 .. entries + 99, as a shuffle gives them.
bool IsShuffledOrder(const ShownOrder& order);
// The sort value of each plid, in ascending plid, so that orders can be compared entry by entry.
std::vector<std::string> SidsByPlid(const ShownOrder& order);

// The line hostsim logs for a message to one of its windows.
std::string MessageLine(const std::string& window, std::uint32_t handle, const std::string& values);

// The rows of a query on the host database, read by the sqlite3 tool, one "a|b|c" line each.
std::string QueryRows(const std::filesystem::path& database, const std::string& sql,
                      const std::filesystem::path& scratch);

// The plug-in process's command line, its arguments split.
std::vector<std::string> CommandLineOf(pid_t pid);

// The buttons' click points in the client area of the plug-in's window.
struct Point {
    int x, y;
};
inline constexpr Point kShuffleClick{360, 118};
inline constexpr Point kRestoreClick{77, 117};
// The information line, above the buttons that overlap its lower edge.
inline constexpr Geometry kInfoLineRegion{10, 5, 396, 98};

// A click with the first mouse button at that point of the window, through xdotool.
bool Click(xcb_window_t window, Point at, const std::filesystem::path& scratch);
// The pointer out of every window's way, so that no button shows itself hovered.
bool ParkPointer(const std::filesystem::path& scratch);
// The pixels of a region of a window as the X server shows them.
std::vector<std::uint8_t> Pixels(xcb_window_t window, Geometry region);
// No pixels, or all of one colour: nothing drawn on the background.
bool IsUniform(const std::vector<std::uint8_t>& pixels);

} // namespace karusello::e2e
