#include "core/os/FileTests.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karusello {
namespace {

// A link counts as what it points to; a dangling one as nothing.
TEST(PosixFileTests, FollowSymbolicLinks) {
    const testing::TempFolder folder;
    testing::WriteBytes(folder.File("a.txt"), "x");
    std::filesystem::create_symlink("a.txt", folder.File("link.txt"));
    std::filesystem::create_symlink(".", folder.File("here"));
    std::filesystem::create_symlink("missing", folder.File("dangling"));
    EXPECT_TRUE(os::IsExistingFile(folder.File("link.txt")));
    EXPECT_TRUE(os::IsExistingFolder(folder.File("here")));
    EXPECT_FALSE(os::IsExistingFile(folder.File("dangling")));
    EXPECT_FALSE(os::IsExistingFolder(folder.File("dangling")));
}

} // namespace
} // namespace karusello
