// What POSIX file systems add: pipes, and permission bits that stop a process without root.
#include "../HostDatabase.h"

#include "playlistdb/PlaylistQueries.h"

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

TEST_F(FilePermissionsTest, WritingAReadOnlyDatabaseFailsWithDbReadOnly) {
    AddEntries(17, 1, 3);
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    fs::permissions(path_, fs::perms::owner_read);
    auto db = engine_.OpenDatabase(path_);
    auto rs = db->OpenRecordset(EntryQuery(17));
    rs->Edit();
    rs->SetField("sid", 5);
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbReadOnly);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Entries(17).front().sid, 10);
}

} // namespace
} // namespace karusello::dao
