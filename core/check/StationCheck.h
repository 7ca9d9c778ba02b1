#pragma once

#include "core/app/interfaces/WindowSystem.h"
#include "core/check/CheckPlatform.h"
#include "core/check/CheckReport.h"
#include "core/check/StartRequest.h"

namespace karusello::check {

// Looks at everything the plug-in depends on at a station, as the plug-in itself would meet it:
// its place, the host INI file and its plug-in entry, the host's global values and the files they
// name, the host windows, the database with its driver and queries, how a shuffle would write,
// and what the platform tells of the system. It changes nothing: it writes no INI value, takes
// no single-instance lock and sends the host no message. With --write it tries the write path
// once inside a transaction that it rolls back. The database engine is the process's one, with
// the platform's driver set.
class StationCheck {
public:
    StationCheck(CheckPlatform& platform, WindowSystem& windows)
        : platform_(platform), windows_(windows) {}

    CheckReport Run(const CheckRequest& request);

private:
    CheckPlatform& platform_;
    WindowSystem& windows_;
};

// The report's heading for a program of this version.
std::string ReportHeading(const std::string& version);

// What --version prints.
std::string VersionLine(const std::string& version);

} // namespace karusello::check
