#include "core/config/ProgramLocation.h"
#include "core/config/FileSystemObject.h"
#include "core/errors/RuntimeError.h"
#include "core/os/PathSeparator.h"
#include "core/os/Utf8Path.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace karusello {
namespace {

namespace fs = std::filesystem;

// The executable's name is its file name without the extension (".exe" on Windows).
bool FolderHoldsProgram(const std::string& folder, const std::string& exeName) {
    const auto entries = fs::directory_iterator(Utf8Path(folder));
    return std::any_of(fs::begin(entries), fs::end(entries), [&](const fs::directory_entry& e) {
        return e.is_regular_file() && PathUtf8(e.path().stem()) == exeName;
    });
}

TEST(ProgramLocation, ComesFromTheRunningExecutableUnlessOverridden) {
    const std::string folder = ProgramLocation::Folder();
    EXPECT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), os::PathSeparator());
    EXPECT_EQ(ProgramLocation::ExeName(), "config_tests");
    EXPECT_TRUE(FolderHoldsProgram(folder, ProgramLocation::ExeName()));
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

// Guessing a folder would put the host's files anywhere; both questions fail instead.
TEST(ProgramLocation, AnUnreadableExecutablePathIsAPathError) {
    const ScopedProgramLocation unreadable(std::nullopt);
    for (auto ask : {&ProgramLocation::Folder, &ProgramLocation::ExeName}) {
        try {
            ask();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), errnum::PathFileAccess);
        }
    }
}

TEST(FileSystemObject, TellsFilesFromFolders) {
    const testing::TempFolder folder;
    const std::string file = folder.File("a.txt");
    testing::WriteBytes(file, "x");
    const auto fso = SharedFileSystem();
    EXPECT_EQ(fso, SharedFileSystem());
    EXPECT_TRUE(fso->FileExists(file));
    EXPECT_FALSE(fso->FileExists(folder.Path()));
    EXPECT_FALSE(fso->FileExists(folder.File("missing")));
    EXPECT_FALSE(fso->FileExists(""));
    EXPECT_TRUE(fso->FolderExists(folder.Path()));
    EXPECT_TRUE(fso->FolderExists(folder.Path() + os::PathSeparator()));
    EXPECT_FALSE(fso->FolderExists(file));
    EXPECT_FALSE(fso->FolderExists(""));
    EXPECT_FALSE(fso->FolderExists(folder.Path() + std::string("\0x", 2)));
}

} // namespace
} // namespace karusello
