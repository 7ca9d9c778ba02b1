// What POSIX file systems add: pipes, symbolic links, and permission bits that stop a process
// without root.
#include "../HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"
#include "tests/support/UnprivilegedUser.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace karusello::dao {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;

using FilePermissionsTest = test::HostDatabaseTest;

TEST_F(FilePermissionsTest, APipeIsNoDatabase) {
    const fs::path pipe = folder_.Path() / "pipe.mdb";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Reading a pipe without a writer would block; it is refused before that.
    EXPECT_EQ(OpenError(pipe.string()).Number(), errnum::DbUnrecognizedFormat);
}

// As an ordinary user: permission bits do not stop root, which CI runs as.
TEST_F(FilePermissionsTest, WritingAReadOnlyDatabaseFailsWithDbReadOnly) {
    AddEntries(17, 1, 3);
    fs::permissions(path_, fs::perms::owner_read);
    karusello::test::HandToUnprivilegedUser(folder_.Path());
    EXPECT_EQ(karusello::test::RunAsUnprivilegedUser([&] {
                  auto db = engine_.OpenDatabase(path_);
                  auto rs = db->OpenRecordset(EntryQuery(17));
                  rs->Edit();
                  rs->SetField("sid", 5);
                  EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbReadOnly);
              }),
              0);
    EXPECT_EQ(Entries(17).front().sid, 10);
}

TEST_F(FilePermissionsTest, AValidFileOpensAndReadsThroughSymbolicLinks) {
    const fs::path link = folder_.Path() / "verweis.mdb";
    fs::create_symlink(path_, link);
    auto db = engine_.OpenDatabase(link.string());
    auto rs = db->OpenRecordset(NameQuery(17));
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields("Name").ToText(), "Morgenshow");
}

} // namespace
} // namespace karusello::dao
