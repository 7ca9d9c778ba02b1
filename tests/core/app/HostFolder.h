#pragma once

// A host folder for one test: its INI file, its playlist database and the program's location
// pointed at it; the engine uses the build's database driver.

#include "tests/support/TempFolder.h"
#include "tests/support/hostdb/HostDb.h"

#include "core/config/ProgramLocation.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace karusello::test {

class HostFolder {
public:
    HostFolder();
    ~HostFolder();
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path IniPath() const { return path_ / "brisolan.ini"; }
    std::filesystem::path DbPath() const { return path_ / "brisolan.mdb"; }

    // Writes the INI file with the plug-in installed and the two host handles.
    void WriteIni(std::int32_t handleDB, std::int32_t handleDJ,
                  const std::string& exe = "karusello");
    void WriteIniText(const std::string& text);
    std::string ReadIniText() const;

    // The playlist database, as the host's own connection sees it.
    HostDb& Db();
    void AddPlaylist(std::int32_t nid, const std::string& name, std::optional<int> grid = 0);
    // Entries with plid = firstPlid, firstPlid + 1, ...; sid = initial sort values.
    void AddEntries(std::int32_t pnid, std::int32_t count, std::int32_t firstPlid = 1);
    void RenamePlaylist(std::int32_t nid, const std::string& name);
    // The sort values of a playlist, in ascending plid.
    std::vector<std::int32_t> SortValues(std::int32_t pnid);

private:
    TempFolder folder_;
    std::filesystem::path path_;
    std::unique_ptr<ScopedProgramLocation> location_;
    std::unique_ptr<HostDb> db_;
};

} // namespace karusello::test
