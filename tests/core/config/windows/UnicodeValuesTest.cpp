// On Windows the host's INI values reach the program whole, whatever their letters: a station
// whose Windows has another code page (Polish, Greek) keeps paths in it that Windows-1252 cannot
// hold. A file in UTF-16 shows it here, whatever code page the test system has.
#include "core/config/GlobalValues.h"
#include "core/config/ProgramLocation.h"
#include "core/config/ToolBox.h"
#include "core/os/Utf8Path.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karusello {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

// The text as UTF-16 little endian with its byte-order mark, as Windows writes a Unicode INI file.
std::string Utf16File(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(UnicodeValues, APathOutsideWindows1252IsReadWholeAndFound) {
    const TempFolder folder;
    const ScopedProgramLocation location(folder.Path());
    const std::string station = JoinPath(folder.Path(), "Stacja Łódź Ωμέγα");
    std::filesystem::create_directory(Utf8Path(station));
    const std::string database = JoinPath(station, "brisolan.mdb");
    WriteBytes(database, "SQLite format 3");
    const std::u16string wideDatabase =
        Utf8Path(database).u16string(); // the system's own spelling of the path
    WriteBytes(folder.File("brisolan.ini"),
               Utf16File(u"[Global]\r\nDBName=" + wideDatabase + u"\r\n"));

    ToolBox box;
    box.INI_SetFilename("brisolan.ini");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "DBName"), database);
    EXPECT_EQ(box.INI_GetSection("Global"), std::vector<std::string>{"DBName=" + database});
    EXPECT_EQ(GlobalValues().DBName, database) << "found, not replaced by the default";

    box.INI_WriteKeyValue("Global", "Station", std::string("Łódź"));
    EXPECT_EQ(box.INI_GetKeyValue("Global", "Station"), "Łódź");
}

} // namespace
} // namespace karusello
