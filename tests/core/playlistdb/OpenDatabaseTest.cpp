#include "HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

namespace fs = std::filesystem;
using test::AccessHeader;
using test::ErrorOf;
using ::testing::HasSubstr;

using OpenDatabaseTest = test::HostDatabaseTest;

TEST_F(OpenDatabaseTest, AMissingFileIsReportedAndNotCreated) {
    const std::string missing = (folder_.Path() / "fehlt.mdb").string();
    const RuntimeError error = OpenError(missing);
    EXPECT_EQ(error.Number(), errnum::DbFileNotFound);
    EXPECT_EQ(error.Text(), "Datei '" + missing + "' nicht gefunden.");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(fs::exists(missing + "-journal"));

    EXPECT_EQ(OpenError("").Number(), errnum::DbFileNotFound);
    EXPECT_EQ(OpenError(":memory:").Number(), errnum::DbFileNotFound);
    EXPECT_FALSE(fs::exists(":memory:"));
}

// A technician's check names the driver that really serves the file.
TEST_F(OpenDatabaseTest, AnOpenDatabaseNamesItsDriverAndAClosedOneRefuses) {
    auto db = engine_.OpenDatabase(path_);
    const DriverDescription driver = db->Driver();
    EXPECT_THAT(driver.name, ::testing::AnyOf(HasSubstr("sqlite"), HasSubstr("SQLite")));
    EXPECT_THAT(driver.version, HasSubstr("."));
    EXPECT_EQ(driver.version.find_first_not_of("0123456789."), std::string::npos);
    db->Close();
    EXPECT_EQ(ErrorOf([&] { db->Driver(); }).Number(), errnum::DbGeneric);
}

// Access files are named by each driver in its own way (AccessFiles... of each driver's tests).
TEST_F(OpenDatabaseTest, FilesOfAnotherKindAreNamedAndLeftUntouched) {
    const std::string jet = WriteFile("jet.mdb", AccessHeader("Standard Jet DB"));
    const std::string ace = WriteFile("ace.accdb", AccessHeader("Standard ACE DB"));
    const std::string empty = WriteFile("leer.mdb", "");
    const std::string text =
        WriteFile("text.mdb", "[Global]\r\nDBName=x\r\n" + std::string(200, 'x'));
    const std::string shortSqlite = WriteFile("kurz.mdb", std::string("SQLite format 3\0abc", 19));

    EXPECT_THAT(OpenError(empty).Text(), HasSubstr("eine leere Datei"));
    EXPECT_THAT(OpenError(text).Text(), HasSubstr("unbekannter Dateiinhalt"));
    EXPECT_THAT(OpenError(shortSqlite).Text(), HasSubstr("zu kurze Datei (19 Bytes)"));
    for (const std::string& file : {empty, text, shortSqlite}) {
        EXPECT_EQ(OpenError(file).Number(), errnum::DbUnrecognizedFormat) << file;
    }
    for (const std::string& file : {jet, ace}) {
        EXPECT_NE(OpenError(file).Number(), 0) << file;
    }

    // Nothing was written: the contents are as before, and no journal was left beside them.
    EXPECT_EQ(Content(jet), AccessHeader("Standard Jet DB"));
    EXPECT_EQ(Content(ace), AccessHeader("Standard ACE DB"));
    EXPECT_EQ(fs::file_size(empty), 0U);
    for (const std::string& file : {jet, ace, empty, text, shortSqlite}) {
        EXPECT_FALSE(fs::exists(file + "-journal")) << file;
        EXPECT_FALSE(fs::exists(file + "-wal")) << file;
    }
}

TEST_F(OpenDatabaseTest, AFolderIsNoDatabase) {
    const fs::path sub = folder_.Path() / "ordner.mdb";
    fs::create_directory(sub);
    const RuntimeError folderError = OpenError(sub.string());
    EXPECT_EQ(folderError.Number(), errnum::DbUnrecognizedFormat);
    EXPECT_THAT(folderError.Text(), HasSubstr("ein Ordner"));
}

TEST_F(OpenDatabaseTest, AnSqliteFileWithABrokenBodyFailsWhenRead) {
    std::string content = Content(path_);
    // Keep the header, spoil every page after the first.
    for (std::size_t i = 4096; i < content.size(); ++i) {
        content[i] = static_cast<char>(0xA5);
    }
    const std::string broken = WriteFile("kaputt.mdb", content);
    auto db = engine_.OpenDatabase(broken);
    const int number = ErrorOf([&] {
                           auto rs = db->OpenRecordset(EntryQuery(17));
                           while (!rs->Eof()) {
                               rs->MoveNext();
                           }
                       }).Number();
    EXPECT_TRUE(number == errnum::DbCannotOpen || number == errnum::DbUnrecognizedFormat) << number;
}

TEST_F(OpenDatabaseTest, WritingThroughAReadOnlyConnectionFailsWithDbReadOnly) {
    AddEntries(17, 1, 3);
    auto db = engine_.OpenDatabase(path_);
    db->OpenRecordset("PRAGMA query_only = 1");
    auto rs = db->OpenRecordset(EntryQuery(17));
    rs->Edit();
    rs->SetField("sid", 5);
    const RuntimeError error = ErrorOf([&] { rs->Update(); });
    EXPECT_EQ(error.Number(), errnum::DbReadOnly);
    EXPECT_THAT(error.Text(), HasSubstr("readonly"));
    EXPECT_EQ(Entries(17).front().sid, 10);
}

} // namespace
} // namespace karusello::dao
