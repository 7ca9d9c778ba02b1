#include "core/check/StartRequest.h"
#include "core/check/StartOptions.h"

#include <gtest/gtest.h>

namespace karusello::check {
namespace {

using Words = std::vector<std::string>;

TEST(StartRequest, OnlyALeadingOptionLeavesThePluginsStart) {
    for (const char* arguments : {"", "17", "17 --check", "  17", "x --version", "-check 17"}) {
        EXPECT_EQ(ReadStartRequest(arguments).mode, StartMode::Plugin) << arguments;
    }
    EXPECT_EQ(ReadStartRequest("--version").mode, StartMode::Version);
    EXPECT_EQ(ReadStartRequest("--check").mode, StartMode::Check);
    // A Windows shell may quote the words.
    EXPECT_EQ(ReadStartRequest("\"--check\"\t\"17\"").check.playlist, 17);
}

TEST(StartRequest, TheCheckTakesWriteAndOnePlaylistNumberInEitherOrder) {
    struct Case {
        const char* arguments;
        bool write;
        std::optional<std::int32_t> playlist;
        Words unknown;
    };
    const std::vector<Case> cases = {
        {"--check", false, std::nullopt, {}},
        {"--check 17", false, 17, {}},
        {"--check --write 17", true, 17, {}},
        {"--check 17 --write", true, 17, {}},
        {"--check 0", false, std::nullopt, {}},
        {"--check -1", false, -1, {}},
        // The plug-in's own rule: the leading number of the word.
        {"--check 12abc", false, 12, {}},
        {"--check 99999999999", false, std::nullopt, {"99999999999"}},
        {"--check 17 18", false, 17, {"18"}},
        {"--check --wirte 17", false, 17, {"--wirte"}},
        {"--check Morgenshow", false, std::nullopt, {"Morgenshow"}},
    };
    for (const Case& c : cases) {
        const StartRequest request = ReadStartRequest(c.arguments);
        EXPECT_EQ(request.check.write, c.write) << c.arguments;
        EXPECT_EQ(request.check.playlist, c.playlist) << c.arguments;
        EXPECT_EQ(request.check.unknown, c.unknown) << c.arguments;
    }
}

// The plug-in's start and --version make none of the check's parts: they may need a display.
TEST(StartOptions, OnlyTheCheckMakesItsPlatformParts) {
    int made = 0;
    std::vector<std::string> shown;
    const auto make = [&made] {
        ++made;
        return CheckParts{};
    };
    const OptionOutput output{[&shown](const std::string& line) { shown.push_back(line); },
                              [&shown](const std::string& report, bool) {
                                  shown.push_back(report);
                              }};
    EXPECT_EQ(RunStartOption("17", "1.2.3", make, output), std::nullopt);
    EXPECT_EQ(shown, Words{});
    EXPECT_EQ(RunStartOption("--version", "1.2.3", make, output), ExitCode::Normal);
    EXPECT_EQ(shown, Words{"Karusello 1.2.3"});
    EXPECT_EQ(made, 0);
}

} // namespace
} // namespace karusello::check
