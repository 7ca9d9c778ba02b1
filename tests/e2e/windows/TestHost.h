#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karusello::e2e {

// A path of the Linux build (the test knows its files by their Linux paths) as Windows sees it
// under Wine: on drive Z:, which is the Linux root.
std::filesystem::path WindowsPath(const std::string& linuxPath);

// Where a test host keeps its files, below the running test's own folder; names in UTF-8.
struct HostPlace {
    std::string folder = "host";
    // The folder of the playlist database; empty: the host folder.
    std::string databaseFolder;
};

// A fresh host folder for the running test below the build folder: the host INI file with the
// skin's name and the database's path, the playlist database (made through the SQLite ODBC
// driver) and the project's skin. Playlist 17 "Morgenshow" has the given number of entries with
// the sort values 1 to n; a grid playlist 23 is there as well.
class TestHost {
public:
    explicit TestHost(int entries, const HostPlace& place = {});
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path Ini() const { return folder_ / "brisolan.ini"; }
    const std::filesystem::path& Database() const { return database_; }

    // A value of the host INI file, read through the profile functions; none when missing.
    std::optional<std::string> IniValue(const std::string& section, const std::string& key) const;
    void SetIniValue(const std::string& section, const std::string& key,
                     const std::string& value) const;

    // The sort values of a playlist's entries in ascending plid, as the database holds them.
    std::vector<std::string> SidsByPlid(std::int32_t nid) const;

private:
    std::filesystem::path root_;
    std::filesystem::path folder_;
    std::filesystem::path database_;
};

} // namespace karusello::e2e
