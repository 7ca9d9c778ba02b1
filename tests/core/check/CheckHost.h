#pragma once

#include "CheckFakes.h"
#include "tests/core/app/HostFolder.h"

#include "core/check/StationCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace karusello::test {

inline constexpr WindowHandle kDbWindow = 0x1200001;
inline constexpr WindowHandle kDjWindow = 0x1400001;

// A host as a station has it: the plug-in installed, both host windows alive and the skin;
// MakeDatabase adds a database with playlist 17 (five entries), the grid playlist 23 and the
// empty playlist 18. The platform tells the facts of a 32-bit program on 64-bit Windows.
class CheckHost {
public:
    CheckHost() {
        WriteIni(kDbWindow, kDjWindow);
        std::filesystem::create_directories(host.Path() / "skin");
        std::ofstream(host.Path() / "skin" / "brisolan.skn", std::ios::binary) << "[Skin]\r\n";
        windows.live = {{kDbWindow, "Brisolan Datenbank"}, {kDjWindow, "Brisolan DJ"}};
        platform.facts.codePage = check::CodePage{1252, "ANSI - Latin I", true};
        platform.facts.bitness = check::Bitness{32, 64};
        platform.facts.display = check::DisplayScaling{120, true};
    }

    void WriteIni(WindowHandle db, WindowHandle dj, const std::string& option = "PNID") {
        WriteIni(std::to_string(db), std::to_string(dj), option);
    }
    void WriteIni(const std::string& db, const std::string& dj, const std::string& option) {
        host.WriteIniText("[Global]\r\nSkinFileName=brisolan.skn\r\n"
                          "[PLUGIN]\r\nkarusello=karusello\r\n"
                          "[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n"
                          "[PLUGIN_Option]\r\nkarusello=" +
                          option + "\r\n[Message]\r\nHandle.DB=" + db + "\r\nHandle.DJ=" + dj +
                          "\r\n");
    }

    void MakeDatabase() {
        host.AddPlaylist(17, "Morgenshow");
        host.AddPlaylist(18, "Leer");
        host.AddPlaylist(23, "Stundenraster", -1);
        host.AddEntries(17, 5);
        host.AddEntries(23, 3, 100);
    }

    check::CheckReport Run(const std::string& arguments) {
        const check::StartRequest start = check::ReadStartRequest(arguments);
        EXPECT_EQ(start.mode, check::StartMode::Check);
        return check::StationCheck(platform, windows).Run(start.check);
    }

    std::string DatabaseBytes() const {
        std::ifstream in(host.DbPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    HostFolder host;
    FakeCheckPlatform platform;
    FakeCheckWindows windows;
};

// The names of the report's items; with problems, only those of the problems.
inline std::vector<std::string> ItemNames(const check::CheckReport& report, bool problems = false) {
    std::vector<std::string> names;
    for (const check::CheckItem& item : report.Items()) {
        if (!problems || !item.ok) {
            names.push_back(item.name);
        }
    }
    return names;
}

inline check::CheckItem Item(const check::CheckReport& report, const std::string& name) {
    for (const check::CheckItem& item : report.Items()) {
        if (item.name == name) {
            return item;
        }
    }
    ADD_FAILURE() << "no item " << name;
    return {"(missing)", false, "", ""};
}

inline bool Says(const check::CheckItem& item, const std::string& text) {
    return item.detail.find(text) != std::string::npos;
}

} // namespace karusello::test
