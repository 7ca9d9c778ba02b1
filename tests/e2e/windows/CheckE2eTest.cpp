// karusello.exe --check on the stand-in host under Wine: the report and its exit code, that the
// check changes nothing and tells the host nothing, and what a person who starts it sees.

#include "PluginWindow.h"
#include "ProgramRun.h"
#include "TestHost.h"
#include "WinhostSession.h"

#include "windows/system/Utf16.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

constexpr auto kCheckEnd = 60s;

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a text, without their CR LF or LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

Names Problems(const std::string& report) {
    Names names;
    for (const std::string& line : Lines(report)) {
        if (line.rfind("PROBLEM  ", 0) == 0) {
            names.push_back(line.substr(9, line.find(':') - 9));
        }
    }
    return names;
}

bool Has(const std::string& report, const std::string& start) {
    for (const std::string& line : Lines(report)) {
        if (line.rfind(start, 0) == 0) {
            return true;
        }
    }
    return false;
}

class CheckUnderWine : public ::testing::Test {
protected:
    struct Result {
        std::optional<DWORD> code;
        std::string report;
    };

    // The program in the host folder, as the host installed it, with its output to a pipe.
    Result Check(const std::wstring& arguments) {
        ProgramRun run(Program(), arguments, host_.Folder(), ProgramRun::Output::Pipe,
                       ProgramRun::Dialogs::Suppressed, Errors());
        Result result{run.Wait(kCheckEnd), {}};
        result.report = run.Printed();
        return result;
    }

    std::filesystem::path Program() const { return host_.Folder() / "karusello.exe"; }
    std::filesystem::path Errors() const {
        return host_.Folder().parent_path() / "check-errors.txt";
    }
    std::filesystem::path ReportFile() const { return host_.Folder() / "karusello-check.txt"; }

    TestHost host_{40};
};

TEST_F(CheckUnderWine, EveryItemIsOkOnTheHostAndNothingChanges) {
    WinhostSession session(host_.Folder(), 17);
    const std::string ini = Bytes(host_.Ini());
    const std::string database = Bytes(host_.Database());

    const Result run = Check(L"--check 17");

    EXPECT_EQ(run.code, 0U) << run.report << Bytes(Errors());
    EXPECT_EQ(Problems(run.report), Names{}) << run.report;
    EXPECT_TRUE(Has(run.report, "OK       host window DB: [Message] Handle.DB=")) << run.report;
    EXPECT_TRUE(Has(run.report, "OK       playlist 17: \"Morgenshow\", no grid playlist"));
    EXPECT_TRUE(Has(run.report, "OK       code page: "));
    EXPECT_TRUE(Has(run.report, "OK       program and system: "));
    EXPECT_TRUE(Has(run.report, "OK       display: "));
    EXPECT_EQ(Bytes(host_.Ini()), ini) << "the check installs nothing";
    EXPECT_EQ(Bytes(host_.Database()), database);
    EXPECT_EQ(session.Messages(), Names{});
    EXPECT_FALSE(std::filesystem::exists(ReportFile())) << "no report file for a pipe";

    const Result version = Check(L"--version");
    EXPECT_EQ(version.code, 0U);
    EXPECT_EQ(Lines(version.report), Names{std::string("Karusello ") + KARUSELLO_VERSION});
}

TEST_F(CheckUnderWine, EachFaultIsAProblemOfItsItemAndEndsWithCode7) {
    WinhostSession session(host_.Folder(), 17);
    const HWND gone = ::CreateWindowExW(0, L"STATIC", L"Brisolan Datenbank (weg)", WS_POPUP, 0, 0,
                                        10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    const std::string handle =
        std::to_string(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(gone)));
    const std::string liveHandle = host_.IniValue("Message", "Handle.DB").value_or("");
    const std::filesystem::path away = host_.Folder().parent_path() / "brisolan.mdb.away";
    const std::wstring ini = host_.Ini().wstring();

    struct Case {
        const char* fault;
        std::wstring arguments;
        Names problems;
        std::function<void()> make = [] {
        };
        std::function<void()> undo = [] {
        };
    };
    const std::vector<Case> cases = {
        {"a dead host window handle",
         L"--check 17",
         {"host window DB"},
         [&] { host_.SetIniValue("Message", "Handle.DB", handle); },
         [&] {
             host_.SetIniValue("Message", "Handle.DB", liveHandle);
         }},
        {"a missing database",
         L"--check 17",
         {"database path"},
         [&] { std::filesystem::rename(host_.Database(), away); },
         [&] {
             std::filesystem::rename(away, host_.Database());
         }},
        {"a grid playlist", L"--check 23", {"playlist 23"}},
        {"a read-only INI file",
         L"--check 17",
         {"host INI file"},
         [&] { ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY); },
         [&] {
             ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
         }},
    };
    for (const Case& c : cases) {
        c.make();
        const Result run = Check(c.arguments);
        c.undo();
        EXPECT_EQ(run.code, 7U) << c.fault << "\n" << run.report << Bytes(Errors());
        EXPECT_EQ(Problems(run.report), c.problems) << c.fault << "\n" << run.report;
    }
    EXPECT_EQ(session.Messages(), Names{});
}

TEST_F(CheckUnderWine, TheWriteTestLeavesTheDatabaseByteIdenticalAndTellsTheHostNothing) {
    WinhostSession session(host_.Folder(), 17);
    const std::string database = Bytes(host_.Database());
    const std::vector<std::string> sids = host_.SidsByPlid(17);

    const Result run = Check(L"--check --write 17");

    EXPECT_EQ(run.code, 0U) << run.report << Bytes(Errors());
    EXPECT_TRUE(Has(run.report, "OK       write test: 40 entries")) << run.report;
    EXPECT_EQ(Bytes(host_.Database()), database);
    EXPECT_EQ(host_.SidsByPlid(17), sids);
    EXPECT_EQ(session.Command("show 17"), "ok nid=17 grid=0 entries=40 name=Morgenshow");
    EXPECT_EQ(session.Messages(), Names{});
}

// Started by a person the program has no standard output to show: the report goes into a file
// beside the program and a message box. With KARUSELLO_NO_ERROR_DIALOG it shows nothing.
TEST_F(CheckUnderWine, APersonSeesTheReportInAMessageBoxAndAFile) {
    WinhostSession session(host_.Folder(), 17);
    {
        ProgramRun run(Program(), L"--check 23", host_.Folder(), ProgramRun::Output::NullDevice,
                       ProgramRun::Dialogs::Wanted, Errors());
        const HWND box = WaitForWindowOf(run.Id(), L"Karusello --check", kCheckEnd);
        ASSERT_NE(box, nullptr) << "no message box; ended: " << run.Wait(0ms).value_or(999);
        const std::string shown = win32::Utf8FromWide(MessageBoxText(box));
        EXPECT_EQ(Problems(shown), Names{"playlist 23"}) << shown;
        EXPECT_NE(shown.find("karusello-check.txt"), std::string::npos) << shown;
        EXPECT_FALSE(run.Wait(300ms)) << "the box waits for the person";
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(run.Wait(kCheckEnd), 7U);
    }
    const std::string saved = Bytes(ReportFile());
    ASSERT_EQ(saved.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 with a byte order mark";
    EXPECT_NE(saved.find("\r\nPROBLEM  playlist 23: "), std::string::npos) << saved;
    EXPECT_EQ(Problems(saved), Names{"playlist 23"});
    std::filesystem::remove(ReportFile());

    ProgramRun quiet(Program(), L"--check 23", host_.Folder(), ProgramRun::Output::NullDevice,
                     ProgramRun::Dialogs::Suppressed, Errors());
    EXPECT_EQ(quiet.Wait(kCheckEnd), 7U) << "no box to wait for";
    EXPECT_FALSE(std::filesystem::exists(ReportFile()));
}

} // namespace
} // namespace karusello::e2e
