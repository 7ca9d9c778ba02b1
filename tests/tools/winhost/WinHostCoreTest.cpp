#include "tools/winhost/core/PluginCommandLine.h"
#include "tools/winhost/core/WinHostOptions.h"
#include "tools/winhost/core/WindowMessages.h"

#include <gtest/gtest.h>

namespace karusello::hostsim {
namespace {

HWND FakeWindow(std::uintptr_t value) {
    return reinterpret_cast<HWND>(value);
}

TEST(WindowMessagesTest, RecordsOnlyTheProgramsOwnMessagesWithTheirValues) {
    const auto host = HostMessageOf(FakeWindow(0x10062), WM_USER + 18, 211, 0);
    ASSERT_TRUE(host) << "the plug-in's 1042";
    EXPECT_EQ(host->window, 0x10062U);
    EXPECT_EQ(host->values, (std::array<std::int32_t, 3>{1042, 211, 0}));

    const auto negative =
        HostMessageOf(FakeWindow(7), WM_USER, static_cast<WPARAM>(-5), static_cast<LPARAM>(-1));
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->values, (std::array<std::int32_t, 3>{1024, -5, -1}))
        << "parameters keep their 32-bit signed values";
    EXPECT_TRUE(HostMessageOf(FakeWindow(7), WM_APP + 5, 0, 0)) << "the application range";
    EXPECT_TRUE(HostMessageOf(FakeWindow(7), 0xBFFF, 0, 0)) << "the last private message";

    for (const UINT system :
         {UINT{WM_PAINT}, UINT{WM_TIMER}, UINT{WM_USER - 1}, UINT{0xC000}, UINT{0xFFFF}}) {
        EXPECT_FALSE(HostMessageOf(FakeWindow(7), system, 1042, 211))
            << "system or registered message " << system;
    }
}

TEST(WinHostOptionsTest, TakesHostsimsHostOptionsAndRefusesWhatOnlyHostsimCanDo) {
    const HostOptions options = ParseWinHostOptions(
        {"--host", "C:\\Brisolan", "--plugin=karusello.exe", "--log", "m.log", "--show", "17"});
    EXPECT_EQ(options.host, "C:\\Brisolan");
    EXPECT_EQ(options.plugin, "karusello.exe");
    EXPECT_EQ(options.log, "m.log");
    EXPECT_EQ(options.show, 17);
    EXPECT_TRUE(ParseWinHostOptions({"--help"}).help);

    EXPECT_THROW(ParseWinHostOptions({"--host", "h", "--create"}), UsageError)
        << "no SQLite library to make a demo host with";
    EXPECT_THROW(ParseWinHostOptions({"--host", "h", "--create", "--skin", "s.skn"}), UsageError);
    EXPECT_THROW(ParseWinHostOptions({"--host", "h", "--no-windows"}), UsageError);
    EXPECT_THROW(ParseWinHostOptions({"--show", "17"}), UsageError) << "no host folder";
}

// Some hosts write the plug-in's path bare, blanks and all: --unquoted starts it so.
TEST(WinHostOptionsTest, UnquotedWritesThePluginsPathBare) {
    EXPECT_TRUE(ParseWinHostOptions({"--host", "h"}).quotePluginPath);
    const HostOptions options = ParseWinHostOptions({"--host", "h", "--unquoted", "--show", "17"});
    EXPECT_FALSE(options.quotePluginPath);
    EXPECT_EQ(options.show, 17);
    const std::filesystem::path program = LR"(C:\Program Files (x86)\Brisolan Ł\karusello.exe)";
    EXPECT_EQ(PluginCommandLine(program, {"17"}, true),
              LR"("C:\Program Files (x86)\Brisolan Ł\karusello.exe" 17)");
    EXPECT_EQ(PluginCommandLine(program, {"17"}, false),
              LR"(C:\Program Files (x86)\Brisolan Ł\karusello.exe 17)");
}

} // namespace
} // namespace karusello::hostsim
