#pragma once

// What the end-to-end tests need on the machine besides the programs under test: an X server,
// and the tools they drive the desktop with (a second reader of the host database, the mouse).

#include "tests/support/XDisplay.h"

#include <string>

namespace karusello::e2e {

inline constexpr const char* kSqlite3 = "/usr/bin/sqlite3";
inline constexpr const char* kXdotool = "/usr/bin/xdotool";

bool ToolsAvailable();

// Why a test cannot run here (no X server in DISPLAY, or, with tools, no sqlite3 or xdotool);
// empty when it can.
std::string SkipReason(const test::XDisplay& x, bool withTools);

} // namespace karusello::e2e
