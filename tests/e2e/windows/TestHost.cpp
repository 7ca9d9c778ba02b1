#include "TestHost.h"

#include "tests/support/hostdb/HostDb.h"
#include "windows/system/Utf16.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace karusello::e2e {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void MakeDatabase(const fs::path& file, int entries) {
    test::HostDb db(file, true);
    db.Exec("CREATE TABLE pl_name (nid INTEGER PRIMARY KEY, Name TEXT, grid INTEGER)");
    db.Exec("CREATE TABLE pl_all (plid INTEGER PRIMARY KEY, pnid INTEGER NOT NULL, sid INTEGER, "
            "artist TEXT, title TEXT, duration INTEGER, filename TEXT)");
    db.Exec("BEGIN");
    db.Exec("INSERT INTO pl_name VALUES (17, 'Morgenshow', 0)");
    db.Exec("INSERT INTO pl_name VALUES (23, 'Stundenraster', -1)");
    for (int i = 1; i <= entries; ++i) {
        db.Exec("INSERT INTO pl_all VALUES (" + std::to_string(100 + i) + ", 17, " +
                std::to_string(i) + ", 'Interpret " + std::to_string(i) + "', 'Titel " +
                std::to_string(i) + "', " + std::to_string(150 + i) + ", 'musik/" +
                std::to_string(i) + ".mp3')");
    }
    db.Exec("INSERT INTO pl_all VALUES (1, 23, 1, 'Raster', 'Stunde', 3600, 'musik/r.mp3')");
    db.Exec("COMMIT");
}

} // namespace

fs::path WindowsPath(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return win32::WideFromUtf8(path);
}

TestHost::TestHost(int entries, const HostPlace& place) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ =
        WindowsPath(std::string(E2E_DATA_DIR) + "/" + test->test_suite_name() + "." + test->name());
    folder_ = root_ / win32::WideFromUtf8(place.folder);
    const fs::path databaseFolder =
        place.databaseFolder.empty() ? folder_ : root_ / win32::WideFromUtf8(place.databaseFolder);
    database_ = databaseFolder / "brisolan.mdb";
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    fs::create_directories(folder_ / "skin");
    fs::create_directories(databaseFolder);
    fs::copy_file(WindowsPath(SKIN_FILE), folder_ / "skin" / "brisolan.skn");
    MakeDatabase(Database(), entries);
    // As a station's host has it: the skin's name, the database's full path, and a section for
    // the window handles; the path written by the profile functions, in the system's code page
    // as the host writes it.
    WriteFile(Ini(), "[Global]\r\nSkinFileName=brisolan.skn\r\n\r\n[Message]\r\n");
    SetIniValue("Global", "DBName", win32::Utf8FromWide(Database().wstring()));
}

TestHost::~TestHost() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::optional<std::string> TestHost::IniValue(const std::string& section,
                                              const std::string& key) const {
    // A default that no entry holds tells a missing key from an empty one.
    constexpr const wchar_t* missing = L"\x01missing";
    wchar_t buffer[1024] = {};
    ::GetPrivateProfileStringW(win32::WideFromUtf8(section).c_str(),
                               win32::WideFromUtf8(key).c_str(), missing, buffer, 1024,
                               Ini().wstring().c_str());
    if (std::wstring(buffer) == missing) {
        return std::nullopt;
    }
    return win32::Utf8FromWide(buffer);
}

void TestHost::SetIniValue(const std::string& section, const std::string& key,
                           const std::string& value) const {
    ::WritePrivateProfileStringW(win32::WideFromUtf8(section).c_str(),
                                 win32::WideFromUtf8(key).c_str(),
                                 win32::WideFromUtf8(value).c_str(), Ini().wstring().c_str());
}

std::vector<std::string> TestHost::SidsByPlid(std::int32_t nid) const {
    test::HostDb db(Database());
    std::vector<std::string> sids;
    for (const auto& sid : db.Column("SELECT sid FROM pl_all WHERE pnid = " + std::to_string(nid) +
                                     " ORDER BY plid")) {
        sids.push_back(sid.value_or("null"));
    }
    return sids;
}

} // namespace karusello::e2e
