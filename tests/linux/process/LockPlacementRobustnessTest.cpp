// The single-instance lock lives only in a folder that no other user can write: a runtime folder
// that others may write, or that is not exactly private, is passed over, and the lock file is
// the user's own and private.
#include "core/errors/RuntimeError.h"
#include "linux/process/InstanceLock.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(LockPlacement, FoldersOthersCanWriteAreNeverUsed) {
    TempFolder base;
    const std::string privateDir = base / "private";
    for (const fs::perms mode : {fs::perms(01777), fs::perms(0777), fs::perms(0770),
                                 fs::perms(0730), fs::perms(0711), fs::perms(02700)}) {
        TempFolder runtime;
        fs::permissions(runtime.Path(), mode);
        InstanceLock lock("karusello", {runtime.Path().string(), privateDir});
        EXPECT_FALSE(lock.AnotherInstanceRuns());
        EXPECT_FALSE(fs::exists(runtime / "karusello.lock")) << std::oct << int(mode);
        EXPECT_TRUE(fs::exists(privateDir + "/karusello.lock"));
        fs::permissions(runtime.Path(), fs::perms::owner_all);
    }

    // The private folder itself must be exactly private too.
    TempFolder loose;
    fs::permissions(loose.Path(), fs::perms(01777));
    EXPECT_THROW(InstanceLock("karusello", {"", loose.Path().string()}), RuntimeError);
    EXPECT_FALSE(fs::exists(loose / "karusello.lock"));
}

TEST(LockPlacement, TheLockFileIsPrivateAndKeepsWhatItHolds) {
    TempFolder runtime;
    fs::permissions(runtime.Path(), fs::perms(0700));
    const mode_t oldMask = ::umask(0);
    {
        InstanceLock lock("karusello", {runtime.Path().string(), runtime / "unused"});
        ASSERT_FALSE(lock.AnotherInstanceRuns());
    }
    ::umask(oldMask);
    struct stat st {};
    ASSERT_EQ(::lstat((runtime / "karusello.lock").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(st.st_uid, ::geteuid());

    // Taking the lock writes nothing into the file.
    std::ofstream(runtime / "karusello.lock") << "inhalt";
    { InstanceLock again("karusello", {runtime.Path().string(), runtime / "unused"}); }
    EXPECT_EQ(fs::file_size(runtime / "karusello.lock"), 6u);
}

} // namespace
} // namespace karusello
