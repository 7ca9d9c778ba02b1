// Bad input to the real program: command lines, host INI files, database files and skin files
// of every odd kind, and host windows that vanish while a shuffle runs. Each ends in its
// documented way (docs/robustness.md), never in a crash or a hang.
#include "RobustnessSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sys/stat.h>

namespace karusello::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// How a start ended: with an exit code, or with the window shown (then it is closed).
constexpr int kShown = -1;

struct Case {
    std::vector<std::string> args;
    int end;
    int error = 0; // the number in the standard error report, when end is 1
};

std::string Describe(const std::vector<std::string>& args) {
    std::string text = "{";
    for (const auto& a : args) {
        text += " '" + a + "'";
    }
    return text + " }";
}

class BadInput : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, true); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        host = std::make_unique<E2eHost>();
        InstallPlugin(*host);
        hostWindow = x.CreateWindow("Brisolan Datenbank (Test)");
        host->PublishHandles(hostWindow, 0);
        installed = host->IniText();
    }

    // Starts the program; returns its exit code or kShown, and what it printed meanwhile.
    int Start(const std::vector<std::string>& args, std::string* printed = nullptr) {
        const std::size_t before = host->Output().size();
        auto run = host->StartPlugin(args);
        const xcb_window_t window = WaitForPluginWindow(x, *run);
        int end = kShown;
        if (window == 0) {
            const auto code = run->WaitFor(30s);
            end = code ? *code : -2;
        }
        run->Kill();
        if (printed != nullptr) {
            *printed = host->Output().substr(before);
        }
        return end;
    }

    void Expect(const Case& c, const std::string& what) {
        std::string printed;
        EXPECT_EQ(Start(c.args, &printed), c.end) << what << " " << Describe(c.args) << printed;
        if (c.error != 0) {
            EXPECT_NE(printed.find("Laufzeitfehler " + std::to_string(c.error) + ":"),
                      std::string::npos)
                << what << " " << Describe(c.args) << printed;
        }
    }

    std::string ReplaceInIni(const std::string& from, const std::string& to) {
        std::string text = installed;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) {
            text.replace(at, from.size(), to);
        }
        host->WriteIniText(text);
        return text;
    }

    fs::path Db() const { return host->Folder() / "brisolan.mdb"; }
    fs::path Skin() const { return host->Folder() / "skin" / "brisolan.skn"; }

    XDisplay x;
    std::unique_ptr<E2eHost> host;
    xcb_window_t hostWindow = 0;
    std::string installed;
};

TEST_F(BadInput, CommandLinesEndAsTheNumberRuleReadsThem) {
    HostDb(*host).Run("insert into pl_name (nid, Name, grid) values (1000, 'Tausend', 0)");
    const std::vector<Case> cases = {
        {{}, 5},
        {{""}, 5},
        {{"   ", "\t"}, 5},
        {{"17"}, kShown},
        {{"1", "7"}, kShown}, // the arguments are joined by a blank, and blanks do not count
        {{" 1 7 Morgenshow"}, kShown},
        {{"1.7e1"}, kShown},
        {{"1e3"}, kShown},
        {{"&H11"}, kShown},
        {{"&H7FFFFFFF"}, 6}, // 2147483647: no such playlist
        {{"-1"}, 6},
        {{"99999999999999999999"}, 1, 6},
        {{"2147483648"}, 1, 6},
        {{"1e400"}, 1, 6},
        {{"&H100000000"}, 1, 6},
        {{"\xd9\xa1\xd9\xa7"}, 5}, // Arabic-Indic digits are no digits of the rule
        {{"\xc3\xa4"
          "17"},
         5},
        {{"17\xc3\xa4"}, kShown},
    };
    for (const Case& c : cases) {
        Expect(c, "command line");
    }
}

TEST_F(BadInput, OddHostIniFilesAreReadAsFarAsTheyGo) {
    std::string junk;
    for (int i = 0; i < 3000; ++i) {
        junk += static_cast<char>((i * 7919 + 13) % 256);
    }
    host->WriteIniText(junk + "\r\n" + installed);
    Expect({{"17"}, kShown}, "binary bytes before the sections");

    const std::string handle = "Handle.DB=" + std::to_string(hostWindow);
    ReplaceInIni(handle, handle + std::string("\0junk", 5));
    Expect({{"17"}, kShown}, "a NUL after a value");

    host->WriteIniText(std::string(2 << 20, 'x') + "\r\n" + installed);
    Expect({{"17"}, kShown}, "a line of two megabytes");

    ReplaceInIni("[Message]", "[Nachricht]");
    Expect({{"17"}, 4}, "no section Message: no host window handle");

    ReplaceInIni("[Global]", "[Allgemein]");
    Expect({{"17"}, kShown}, "no section Global: the database beside the program");

    ReplaceInIni(handle, "Handle.DB=4294967296");
    Expect({{"17"}, 1, 6}, "a handle beyond 32 bits");
    ReplaceInIni(handle, "Handle.DB=1e400");
    Expect({{"17"}, 1, 6}, "a handle beyond every number");
    ReplaceInIni(handle, "Handle.DB=&HFFFFFFFF\r\nHandle.DJ=" + std::to_string(hostWindow));
    Expect({{"17"}, kShown}, "a handle of -1 beside a live one");
}

// The installation's writes are not checked: an INI file that cannot be written leaves the
// program uninstalled, and every start tries again.
TEST_F(BadInput, AnIniFileThatCannotBeWrittenStaysAsItWas) {
    const std::string noPlugin = ReplaceInIni("[PLUGIN]", "[Other]");
    {
        const Unwritable readOnly(host->Ini());
        if (!readOnly.Done()) {
            GTEST_SKIP() << readOnly.Reason();
        }
        Expect({{"17"}, 2}, "a read-only INI file");
        EXPECT_EQ(host->IniText(), noPlugin);
        EXPECT_EQ(TemporaryIniFiles(*host), 0);
    }

    fs::remove(host->Ini());
    fs::create_directory(host->Ini());
    Expect({{"17"}, 2}, "a folder in place of the INI file");
    EXPECT_TRUE(fs::is_directory(host->Ini()));
    EXPECT_TRUE(fs::is_empty(host->Ini()));

    fs::remove(host->Ini());
    ASSERT_EQ(::mkfifo(host->Ini().c_str(), 0600), 0);
    Expect({{"17"}, 2}, "a named pipe in place of the INI file");
    EXPECT_TRUE(fs::is_fifo(host->Ini()));
}

TEST_F(BadInput, DatabaseFilesThatAreNoHostDatabaseEndAtThePlaylistCheck) {
    fs::rename(Db(), host->Folder() / "echt.mdb");
    Expect({{"17"}, 6}, "no database file");
    EXPECT_FALSE(fs::exists(Db())) << "a missing database is never created";

    std::string jet("\x00\x01\x00\x00Standard Jet DB", 19);
    jet += std::string(4096, '\0');
    std::ofstream(Db(), std::ios::binary) << jet;
    Expect({{"17"}, 6}, "a Jet database");
    EXPECT_EQ(fs::file_size(Db()), jet.size());

    std::ofstream(Db(), std::ios::binary | std::ios::trunc) << "";
    Expect({{"17"}, 6}, "an empty file");
    EXPECT_EQ(fs::file_size(Db()), 0u) << "an empty file is not made a database";

    std::ofstream(Db(), std::ios::binary | std::ios::trunc) << std::string(8192, 'x');
    Expect({{"17"}, 6}, "a file of garbage");

    fs::remove(Db());
    fs::create_directory(Db());
    Expect({{"17"}, 6}, "a folder");
}

TEST_F(BadInput, SkinFilesThatCannotBeUsedLeaveTheWindowPlainOrAreReported) {
    Expect({{"17"}, kShown}, "no skin file");

    fs::create_directory(Skin());
    Expect({{"17"}, kShown}, "a folder in place of the skin file");
    fs::remove(Skin());

    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 131 + 7) % 256);
    }
    std::ofstream(Skin(), std::ios::binary) << junk;
    Expect({{"17"}, kShown}, "a skin file of garbage");
    fs::remove(Skin());

    ASSERT_EQ(::mkfifo(Skin().c_str(), 0600), 0);
    Expect({{"17"}, kShown}, "a named pipe in place of the skin file");
    fs::remove(Skin());

    // A file that exists but cannot be read (root reads every file by its permissions; this
    // one fails to read for everybody).
    ReplaceInIni("SkinFileName=brisolan.skn",
                 "SkinFileName=../../../../../../../../../../../../proc/self/mem");
    Expect({{"17"}, 1, 75}, "an unreadable skin file");
}

// The watchdog's tick that falls due during the shuffle runs at its one yield, after the
// commit and before the host is told: the program ends there.
TEST_F(BadInput, HostWindowsThatVanishDuringAShuffleEndTheProgramWithAWholeOrder) {
    constexpr std::int32_t kEntries = 50000;
    MakeHostWithBigPlaylist(*host, kEntries);
    InstallPlugin(*host);
    const xcb_window_t second = x.CreateWindow("Brisolan DJ (Test)");
    host->PublishHandles(hostWindow, second);
    HostDb db(*host);
    const Order before = db.SortValues(kBigPlaylistId);

    auto run = host->StartPlugin({std::to_string(kBigPlaylistId)});
    const xcb_window_t window = WaitForPluginWindow(x, *run);
    ASSERT_NE(window, 0u) << host->Output();
    ASSERT_TRUE(Click(x, window, kShuffleButton));
    std::this_thread::sleep_for(300ms);
    x.DestroyWindow(hostWindow);
    x.DestroyWindow(second);
    EXPECT_EQ(run->WaitFor(60s), 4) << host->Output();

    // Usually the shuffle was under way; on a slow machine the watchdog may have come first.
    const Order after = db.SortValues(kBigPlaylistId);
    EXPECT_TRUE(after == before || IsCompleteShuffle(after, kEntries));
    std::cout << (after == before ? "ended before the shuffle began" : "ended after the shuffle")
              << std::endl;
    EXPECT_EQ(db.IntegrityCheck(), "ok");
}

} // namespace
} // namespace karusello::e2e
