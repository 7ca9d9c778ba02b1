#pragma once

// The check's steps, each adding its items to the report; StationCheck runs them in order.

#include "core/app/interfaces/WindowSystem.h"
#include "core/check/CheckPlatform.h"
#include "core/check/CheckReport.h"
#include "core/check/StartRequest.h"

#include <memory>
#include <optional>
#include <string>

namespace karusello {
class GlobalValues;
class ToolBox;
} // namespace karusello

namespace karusello::check {

// The program's path and folder; the folder, or nothing when the system cannot tell it.
std::optional<std::string> CheckProgram(CheckReport& report);

// The host INI file that hostIni works on: found, readable, writable.
void CheckHostIni(CheckPlatform& platform, const ToolBox& hostIni, CheckReport& report);

// The plug-in entry under the executable's name; "not installed yet" is no problem.
void CheckPluginEntry(ToolBox& hostIni, CheckReport& report);

// The host's global values as the plug-in reads them, and the database and skin files they
// name. Nothing when they cannot be read at all (a number out of range, for instance).
std::shared_ptr<GlobalValues> CheckGlobalValues(CheckPlatform& platform, CheckReport& report);

// Each host window handle: a live window or not, and its title.
void CheckHostWindows(WindowSystem& windows, const GlobalValues& values, CheckReport& report);

// The database file, its driver, the queries and how a shuffle would write; with --write the
// write path once, rolled back. Nothing when there is no file at path.
void CheckDatabase(CheckPlatform& platform, const std::string& path, const CheckRequest& request,
                   CheckReport& report);

// What the platform tells of the system: code page, 32 or 64 bits, display scaling.
void CheckSystem(const SystemFacts& facts, CheckReport& report);

} // namespace karusello::check
