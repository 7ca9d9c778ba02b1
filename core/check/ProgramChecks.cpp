// The program's place, the host INI file, the plug-in entry and the host's global values.
#include "core/check/CheckSteps.h"

#include "core/check/ErrorText.h"
#include "core/config/ConfigObjectKey.h"
#include "core/config/FileSystemObject.h"
#include "core/config/GlobalValues.h"
#include "core/config/HostIni.h"
#include "core/config/ProgramLocation.h"
#include "core/config/ToolBox.h"
#include "core/errors/RuntimeError.h"
#include "core/os/ExecutablePath.h"

#include <vector>

namespace karusello::check {

namespace {

std::string WithReason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text : text + " (" + reason + ")";
}

void CheckDatabasePath(GlobalValues& values, CheckReport& report) {
    const std::string given = values.GetKeyValue("Global", "DBName");
    std::string detail;
    if (given.empty()) {
        detail = "[Global] DBName is not set; the plug-in uses " + values.DBName;
    } else if (given != values.DBName) {
        detail = "[Global] DBName=" + given + " names no file; the plug-in uses " + values.DBName;
    } else {
        detail = "[Global] DBName=" + given;
    }
    if (SharedFileSystem()->FileExists(values.DBName)) {
        report.Add(Ok("database path", detail + ", which exists"));
    } else {
        report.Add(Problem("database path", detail + ", which does not exist",
                           "Set [Global] DBName in brisolan.ini to the full path of the host's "
                           "playlist database (the host keeps it there itself)."));
    }
}

void CheckSkinFile(CheckPlatform& platform, GlobalValues& values, CheckReport& report) {
    const std::string given = values.GetKeyValue("Global", "SkinFileName");
    const std::string path = SkinFilePath(values.SkinFileName);
    std::string detail = given.empty() ? "[Global] SkinFileName is not set; the plug-in uses "
                                       : "[Global] SkinFileName=" + given + "; the plug-in uses ";
    detail += path;
    const FileAccess access = platform.Access(path);
    const bool exists = SharedFileSystem()->FileExists(path);
    if (exists && access.readable) {
        report.Add(Ok("skin file", detail));
    } else if (exists) {
        report.Add(Problem("skin file",
                           WithReason(detail + ", which cannot be read", access.reason),
                           "Give the users of this PC the right to read the skin file."));
    } else {
        report.Add(Problem("skin file", detail + ", which does not exist: the window stays plain",
                           "Copy skin\\brisolan.skn from Karusello's package into the host's "
                           "skin folder (never over a file of the host's own)."));
    }
}

} // namespace

std::optional<std::string> CheckProgram(CheckReport& report) {
    try {
        const std::string folder = ProgramLocation::Folder();
        const std::string path = os::ExecutablePath().value_or("?");
        report.Add(Ok("program", path + " in the folder " + folder));
        return folder;
    } catch (const RuntimeError& error) {
        report.Add(Problem("program", ErrorText(error),
                           "Start karusello from its own file in the host's program folder."));
        return std::nullopt;
    }
}

void CheckHostIni(CheckPlatform& platform, const ToolBox& hostIni, CheckReport& report) {
    const std::string path = hostIni.FilePath();
    const FileAccess access = platform.Access(path);
    if (!access.exists) {
        report.Add(Problem("host INI file", path + " not found",
                           "Copy karusello into the host's program folder, the folder that holds "
                           "brisolan.ini, and start it there."));
    } else if (!access.readable) {
        report.Add(Problem("host INI file", WithReason(path + " cannot be read", access.reason),
                           "Give the users of this PC the right to read and change brisolan.ini."));
    } else if (!access.writable) {
        report.Add(Problem("host INI file",
                           WithReason(path + " is readable but cannot be changed", access.reason),
                           "The plug-in writes its entry there on its first start: remove the "
                           "file's write protection (read-only) or give the users the right to "
                           "change it."));
    } else {
        report.Add(Ok("host INI file", path + ": found, readable, writable"));
    }
}

// Compares the entry with the one the plug-in writes on its first start: listed, with a menu
// text, and with the option that makes the host pass the playlist's number.
void CheckPluginEntry(ToolBox& hostIni, CheckReport& report) {
    const std::string exe = ProgramLocation::ExeName();
    const std::vector<ToolBox::KeyWrite> entry = PluginEntry(exe);
    std::vector<std::string> found;
    std::string detail;
    for (const ToolBox::KeyWrite& key : entry) {
        found.push_back(hostIni.INI_GetKeyValue(key.IniSection, key.IniKey));
        detail += (detail.empty() ? "[" : ", [") + key.IniSection + "] " + exe + "=" + found.back();
    }
    const std::string& listed = found[0];
    const std::string& menu = found[1];
    const std::string& option = found[2];
    if (listed.empty()) {
        report.Add(Ok("plug-in entry", "not installed yet: the first start of " + exe +
                                           " writes its entry into brisolan.ini"));
        return;
    }
    const std::string wantedMenu = entry[1].IniValue.value_or("");
    const std::string wantedOption = entry[2].IniValue.value_or("");
    if (menu.empty() || AsciiLower(option) != AsciiLower(wantedOption)) {
        report.Add(Problem("plug-in entry", detail,
                           "The host needs a menu text in [PLUGIN_Menu] and PNID in "
                           "[PLUGIN_Option] to start the plug-in with the playlist's number: set " +
                               exe + "=" + wantedMenu + " and " + exe + "=" + wantedOption +
                               " there."));
        return;
    }
    report.Add(Ok("plug-in entry", "installed: " + detail));
}

std::shared_ptr<GlobalValues> CheckGlobalValues(CheckPlatform& platform, CheckReport& report) {
    std::shared_ptr<GlobalValues> values;
    try {
        values = std::make_shared<GlobalValues>();
    } catch (const RuntimeError& error) {
        report.Add(Problem("host INI values", "cannot be read: " + ErrorText(error),
                           "Correct the values in brisolan.ini: the window handles in [Message] "
                           "are whole numbers."));
        return nullptr;
    }
    CheckDatabasePath(*values, report);
    CheckSkinFile(platform, *values, report);
    return values;
}

} // namespace karusello::check
