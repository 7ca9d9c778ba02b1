#include "config/ProgramLocation.h"
#include "config/FileSystemObject.h"
#include "tests/config/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karusello {
namespace {

namespace fs = std::filesystem;

TEST(ProgramLocation, ComesFromTheRunningExecutableUnlessOverridden) {
    const std::string folder = ProgramLocation::Folder();
    EXPECT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(ProgramLocation::ExeName(), "config_tests");
    EXPECT_TRUE(fs::exists(folder + "/" + ProgramLocation::ExeName()));
    {
        const ScopedProgramLocation outer("/host");
        EXPECT_EQ(ProgramLocation::Folder(), "/host");
        EXPECT_EQ(ProgramLocation::ExeName(), "karusello");
        {
            const ScopedProgramLocation inner("/other", "plugin");
            EXPECT_EQ(ProgramLocation::Folder(), "/other");
            EXPECT_EQ(ProgramLocation::ExeName(), "plugin");
        }
        EXPECT_EQ(ProgramLocation::Folder(), "/host");
    }
    EXPECT_EQ(ProgramLocation::Folder(), folder);
}

TEST(FileSystemObject, TellsFilesFromFolders) {
    const testing::TempFolder folder;
    const std::string file = folder.File("a.txt");
    testing::WriteBytes(file, "x");
    fs::create_symlink("a.txt", folder.File("link.txt"));
    fs::create_symlink("missing", folder.File("dangling"));
    const auto fso = SharedFileSystem();
    EXPECT_EQ(fso, SharedFileSystem());
    EXPECT_TRUE(fso->FileExists(file));
    EXPECT_TRUE(fso->FileExists(folder.File("link.txt")));
    EXPECT_FALSE(fso->FileExists(folder.File("dangling")));
    EXPECT_FALSE(fso->FileExists(folder.Path()));
    EXPECT_FALSE(fso->FileExists(folder.File("missing")));
    EXPECT_FALSE(fso->FileExists(""));
    EXPECT_TRUE(fso->FolderExists(folder.Path()));
    EXPECT_TRUE(fso->FolderExists(folder.Path() + "/"));
    EXPECT_FALSE(fso->FolderExists(file));
    EXPECT_FALSE(fso->FolderExists(""));
    EXPECT_FALSE(fso->FolderExists(std::string("/tmp\0x", 6)));
}

} // namespace
} // namespace karusello
