#include "core/check/StationCheck.h"

#include "core/check/CheckSteps.h"
#include "core/config/GlobalValues.h"
#include "core/config/HostIni.h"

namespace karusello::check {

namespace {

void CheckArguments(const CheckRequest& request, CheckReport& report) {
    if (request.unknown.empty()) {
        return;
    }
    std::string words;
    for (const std::string& word : request.unknown) {
        words += (words.empty() ? "" : " ") + word;
    }
    report.Add(Problem("arguments", "not understood: " + words,
                       "Start it as karusello --check [--write] [PLAYLIST], PLAYLIST being the "
                       "number (nid) of a playlist."));
}

} // namespace

CheckReport StationCheck::Run(const CheckRequest& request) {
    CheckReport report;
    CheckArguments(request, report);
    const std::optional<std::string> folder = CheckProgram(report);
    if (folder) {
        ToolBox hostIni;
        hostIni.INI_SetFilename(kHostIniFile, true);
        CheckHostIni(platform_, hostIni, report);
        CheckPluginEntry(hostIni, report);
        if (const std::shared_ptr<GlobalValues> values = CheckGlobalValues(platform_, report)) {
            CheckHostWindows(windows_, *values, report);
            CheckDatabase(platform_, values->DBName, request, report);
        }
    }
    CheckSystem(platform_.System(folder.value_or("")), report);
    return report;
}

std::string ReportHeading(const std::string& version) {
    return "Karusello " + version + ": check of the installation (nothing is changed)";
}

std::string VersionLine(const std::string& version) {
    return "Karusello " + version;
}

} // namespace karusello::check
