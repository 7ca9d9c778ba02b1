#include "core/config/ProgramLocation.h"
#include "windows/process/CommandLineArguments.h"
#include "windows/process/Win32ProcessInfo.h"

#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// A host installed under "Program Files" may write the program's path unquoted: the path is
// known by its own module path (any case, with or without ".exe"), blanks and all. A path that
// only begins like it is not the program's, and is read by the system's rule.
TEST(CommandLineArguments, AnUnquotedPathWithBlanksIsKnownAsTheProgramsOwn) {
    const std::vector<std::wstring> own =
        OwnPathForms(LR"(C:\Program Files (x86)\Brisolan\karusello.exe)");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello.exe 17)", own), L"17");
    EXPECT_EQ(ArgumentsOf(LR"("C:\Program Files (x86)\Brisolan\karusello.exe" 17)", own), L"17");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello.exe )"
                          L"\t  17",
                          own),
              L"17");
    EXPECT_EQ(ArgumentsOf(LR"(c:\PROGRAM FILES (X86)\brisolan\Karusello.EXE 17 x)", own), L"17 x");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello 17)", own), L"17");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello.exe)", own), L"");

    // Only begins like the program's path: up to the first blank, as before.
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello.exe2 17)", own),
              LR"(Files (x86)\Brisolan\karusello.exe2 17)");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files (x86)\Brisolan\karusello.exe17)", own),
              LR"(Files (x86)\Brisolan\karusello.exe17)");
    EXPECT_EQ(ArgumentsOf(LR"(C:\Program Files\Brisolan\karusello.exe 17)", own),
              LR"(Files\Brisolan\karusello.exe 17)");
    EXPECT_EQ(ArgumentsOf(L"karusello.exe 17", own), L"17");
}

// The system's short form of the path (where the file system keeps one) is the program's own
// path as well.
TEST(CommandLineArguments, TheShortFormOfTheProgramsPathIsItsOwn) {
    const test::TempFolder temp;
    const std::filesystem::path folder = temp.Path() / L"Program Files (x86)" / L"Brisolan Host";
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / L"karusello.exe";
    std::ofstream(program) << "MZ";
    const std::vector<std::wstring> own = OwnPathForms(program.wstring());
    ASSERT_GE(own.size(), 2U);
    EXPECT_EQ(own[0], program.wstring());
    EXPECT_EQ(ArgumentsOf(program.wstring() + L" 17", own), L"17");

    std::wstring shortPath(MAX_PATH, L'\0');
    shortPath.resize(::GetShortPathNameW(program.wstring().c_str(), shortPath.data(), MAX_PATH));
    if (shortPath.empty() || shortPath == program.wstring()) {
        GTEST_SKIP() << "no short form of " << program.string();
    }
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << "the short form has no blanks";
    EXPECT_EQ(ArgumentsOf(shortPath + L" 17", own), L"17");
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
