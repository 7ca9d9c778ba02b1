#include "core/check/StartRequest.h"

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

} // namespace
} // namespace karusello::check
