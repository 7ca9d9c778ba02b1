// The order that a shuffle writes is new at every start of the program: a station that shuffles
// its morning playlist every day does not get the same order every day.
#include "RobustnessSupport.h"

#include <gtest/gtest.h>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;

constexpr std::int32_t kEntries = 40;

class ShuffleOrder : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, true); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
    }

    struct Shuffled {
        Order before;
        Order after;
    };

    // A fresh demo host with a playlist of 40 entries, the plug-in installed, one start of it
    // and one click on Shuffle.
    void ShuffleOnAFreshHost(Shuffled& result) {
        E2eHost host;
        MakeHostWithBigPlaylist(host, kEntries);
        InstallPlugin(host);
        const xcb_window_t hostWindow = x.CreateWindow("Brisolan Datenbank (Test)");
        host.PublishHandles(hostWindow, 0);
        const HostDb db(host);
        result.before = db.SortValues(kBigPlaylistId);
        auto run = host.StartPlugin({std::to_string(kBigPlaylistId)});
        const xcb_window_t window = WaitForPluginWindow(x, *run);
        ASSERT_NE(window, 0u) << host.Output();
        ASSERT_TRUE(Click(x, window, kShuffleButton));
        ASSERT_TRUE(WaitUntil([&] {
            result.after = db.SortValues(kBigPlaylistId);
            return result.after != result.before;
        })) << host.Output();
        run->Kill();
        x.DestroyWindow(hostWindow);
    }

    XDisplay x;
};

TEST_F(ShuffleOrder, TwoStartsOnCopiesOfOneHostShuffleIntoDifferentOrders) {
    Shuffled first;
    Shuffled second;
    ASSERT_NO_FATAL_FAILURE(ShuffleOnAFreshHost(first));
    ASSERT_NO_FATAL_FAILURE(ShuffleOnAFreshHost(second));
    ASSERT_EQ(first.before.size(), static_cast<std::size_t>(kEntries));
    ASSERT_EQ(second.before, first.before) << "both hosts start alike";
    EXPECT_TRUE(IsCompleteShuffle(first.after, kEntries));
    EXPECT_TRUE(IsCompleteShuffle(second.after, kEntries));
    EXPECT_NE(second.after, first.after);
}

} // namespace
} // namespace karusello::e2e
