#pragma once

#include "tests/support/FileText.h"
#include "tests/support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <string>

namespace karusello::hostsim::test {

using karusello::test::ReadText;
using karusello::test::TempFolder;

// A demo host (INI file and database of the demo host generator) in a temporary folder.
class TempHost {
public:
    TempHost();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path Ini() const { return folder_ / "brisolan.ini"; }
    std::filesystem::path Database() const { return folder_ / "brisolan.mdb"; }
    SQLite::Database Open() const;
    // Runs one SQL text on the host's database.
    void Exec(const std::string& sql) const;
    // The first column of the query's first row, as a number.
    long long Number(const std::string& sql) const;

private:
    TempFolder temp_;
    std::filesystem::path folder_;
};

void WriteFile(const std::filesystem::path& file, const std::string& bytes);

} // namespace karusello::hostsim::test
