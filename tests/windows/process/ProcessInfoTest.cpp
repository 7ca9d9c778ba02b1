#include "core/config/ProgramLocation.h"
#include "windows/process/CommandLineArguments.h"
#include "windows/process/Win32ProcessInfo.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

// The host starts the plug-in as "<path>" <id>; what the number rule reads is everything after
// the program's own path, whether that is quoted or not, and blanks inside the path stay part
// of it.
TEST(CommandLineArguments, AreEverythingAfterTheProgramsPath) {
    EXPECT_EQ(ArgumentsOf(LR"("C:\Program Files\Host\karusello.exe" 17)"), L"17");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Host\karusello.exe   17 x)"), L"17 x");
    EXPECT_EQ(ArgumentsOf(L"karusello.exe\t 1 2"), L"1 2");
    EXPECT_EQ(ArgumentsOf(LR"("C:\a b\k.exe"17)"), L""); // the path ends at the first blank
    EXPECT_EQ(ArgumentsOf(LR"("C:\a b\k.exe)"), L"");    // an unclosed quote takes it all
    EXPECT_EQ(ArgumentsOf(LR"("k.exe" "17")"), LR"("17")");
    EXPECT_EQ(ArgumentsOf(L"karusello.exe"), L"");
    EXPECT_EQ(ArgumentsOf(L""), L"");
}

// One instance per executable name and session: the first holds the mutex for its life, a
// second start sees it, and once the first is gone the next start runs. Names differing only in
// case are the same program file on Windows.
TEST(Win32ProcessInfo, ASecondInstanceOfTheSameProgramSeesTheFirst) {
    const ScopedProgramLocation program("C:\\Host", "KaruselloTest");
    auto first = std::make_unique<Win32ProcessInfo>("17");
    EXPECT_EQ(first->CommandLine(), "17");
    EXPECT_FALSE(first->PrevInstance());
    EXPECT_FALSE(first->PrevInstance()); // asking again does not count itself
    {
        Win32ProcessInfo second("17");
        EXPECT_TRUE(second.PrevInstance());
        const ScopedProgramLocation shouting("C:\\Host", "KARUSELLOTEST");
        EXPECT_TRUE(Win32ProcessInfo("17").PrevInstance());
        const ScopedProgramLocation other("C:\\Host", "Anderes");
        EXPECT_FALSE(Win32ProcessInfo("17").PrevInstance());
    }
    first.reset();
    EXPECT_FALSE(Win32ProcessInfo("17").PrevInstance());
}

} // namespace
} // namespace karusello
