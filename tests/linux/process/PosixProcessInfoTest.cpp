#include "linux/process/PosixProcessInfo.h"
#include "core/config/ProgramLocation.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace karusello {
namespace {

using test::TempFolder;

std::string Joined(std::vector<const char*> argv) {
    return PosixProcessInfo(static_cast<int>(argv.size()), argv.data()).CommandLine();
}

TEST(PosixProcessInfo, CommandLineIsTheArgumentsJoinedByBlanks) {
    EXPECT_EQ(Joined({"/opt/brisolan/karusello"}), "");
    EXPECT_EQ(Joined({"karusello", "17"}), "17");
    EXPECT_EQ(Joined({"karusello", "1", "2"}), "1 2");
    EXPECT_EQ(Joined({"karusello", "1 2", "", "3"}), "1 2  3");
    EXPECT_EQ(Joined({"karusello", " 12abc "}), " 12abc ");
    EXPECT_EQ(PosixProcessInfo(0, nullptr).CommandLine(), "");
}

TEST(PosixProcessInfo, TheLockIsTakenUnderTheExecutableNameAndKept) {
    TempFolder runtime;
    const LockPlaces places{runtime.Path().string(), runtime / "private"};
    const char* argv[] = {"karusello", "17"};
    ScopedProgramLocation location("/opt/brisolan", "karusello");

    PosixProcessInfo first(2, argv, places);
    EXPECT_EQ(first.ExeName(), "karusello");
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_TRUE(std::filesystem::exists(runtime / "karusello.lock"));

    PosixProcessInfo second(2, argv, places);
    EXPECT_TRUE(second.PrevInstance());
    // The first keeps its lock; asking again does not lose it.
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_TRUE(PosixProcessInfo(2, argv, places).PrevInstance());

    ScopedProgramLocation renamed("/opt/brisolan", "karusello-copy");
    EXPECT_FALSE(PosixProcessInfo(2, argv, places).PrevInstance());
}

} // namespace
} // namespace karusello
