// The real program killed (SIGKILL) at random moments while it shuffles or restores a large
// playlist, and while it installs itself into the host INI file: afterwards every playlist holds
// either its complete old order or its complete new order, the database is sound, and the INI
// file is one of the versions the program meant to write.
//
// The kill moments come from a fixed seed, printed at the start; KARUSELLO_CRASH_SEED sets
// another one.
#include "RobustnessSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <random>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kBigEntries = 100000;
constexpr std::uint32_t kDefaultSeed = 20240607;
// The seed of the program's own draws in every run (KARUSELLO_RANDOM_SEED).
constexpr const char* kProgramSeed = "20240607";

std::uint32_t Seed() {
    const char* text = std::getenv("KARUSELLO_CRASH_SEED");
    const std::uint32_t seed = text != nullptr
                                   ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
                                   : kDefaultSeed;
    std::cout << "crash-safety seed: " << seed << " (KARUSELLO_CRASH_SEED)" << std::endl;
    return seed;
}

// Kill moments within [from, to]: the range is cut into equal parts, one random moment in each,
// so that the kills cover the whole range whatever the seed.
class KillMoments {
public:
    KillMoments(std::uint32_t seed, int from, int to, int count)
        : random_(seed), from_(from), to_(to), count_(count) {}
    int Next() {
        const double part = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
        const double at = (static_cast<double>(next_++ % count_) + part) / count_;
        return from_ + static_cast<int>(at * (to_ - from_));
    }

private:
    std::mt19937 random_;
    int from_, to_, count_, next_ = 0;
};

int Milliseconds(Clock::duration d) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, true); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        host = std::make_unique<E2eHost>();
        // Every run starts from the same seed, so the first shuffle of each writes one order.
        host->SetEnvironment("KARUSELLO_RANDOM_SEED", kProgramSeed);
    }

    // A host whose playlist 99 is large, with the plug-in installed and a live host window.
    void MakeBigHost() {
        MakeHostWithBigPlaylist(*host, kBigEntries);
        InstallPlugin(*host);
        hostWindow = x.CreateWindow("Brisolan Datenbank (Test)");
        host->PublishHandles(hostWindow, 0);
        db = std::make_unique<HostDb>(*host);
        original = db->SortValues(kBigPlaylistId);
        others = db->SortValues(kSmallPlaylistId);
        ASSERT_EQ(original.size(), static_cast<std::size_t>(kBigEntries));
    }

    std::unique_ptr<ChildProcess> StartOnBigPlaylist() {
        auto run = host->StartPlugin({std::to_string(kBigPlaylistId)});
        window = WaitForPluginWindow(x, *run);
        return run;
    }

    // Waits until the playlist's order differs from `from`, and returns it.
    Order WaitForChange(const Order& from, std::chrono::seconds limit) {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            Order now = db->SortValues(kBigPlaylistId);
            if (now != from) {
                return now;
            }
            std::this_thread::sleep_for(100ms);
        }
        return from;
    }

    // The shuffle's first draws are the same in every run (the runs share a fixed seed), so the
    // first shuffle of any run writes this order. Also measures how long a shuffle and a
    // restore take, and leaves the playlist restored.
    void LearnTheShuffledOrder() {
        auto run = StartOnBigPlaylist();
        ASSERT_NE(window, 0u) << host->Output();
        const auto start = Clock::now();
        ASSERT_TRUE(Click(x, window, kShuffleButton));
        shuffled = WaitForChange(original, 90s);
        shuffleTime = Clock::now() - start;
        ASSERT_NE(shuffled, original) << "the shuffle did not finish: " << host->Output();
        // The restore button is enabled right after the host has been told.
        std::this_thread::sleep_for(300ms);
        const auto restoreStart = Clock::now();
        ASSERT_TRUE(Click(x, window, kRestoreButton));
        ASSERT_EQ(WaitForChange(shuffled, 90s), original) << "no restore: " << host->Output();
        restoreTime = Clock::now() - restoreStart;
        run->Kill();
        ASSERT_TRUE(IsCompleteShuffle(shuffled, kBigEntries)) << "the learnt order is no shuffle";
        std::cout << "a shuffle of " << kBigEntries << " entries takes about "
                  << Milliseconds(shuffleTime) << " ms, a restore " << Milliseconds(restoreTime)
                  << " ms" << std::endl;
    }

    // Checks the state after a kill: the whole old or the whole new order, a sound file, the
    // other playlists untouched. Returns whether the new order was found.
    bool ExpectOldOrNew(const Order& oldOrder, const Order& newOrder, const std::string& round) {
        const Order now = db->SortValues(kBigPlaylistId);
        EXPECT_TRUE(now == oldOrder || now == newOrder)
            << round << ": " << ChangedRows(oldOrder, now) << " of " << oldOrder.size()
            << " rows changed, " << ChangedRows(newOrder, now) << " differ from the new order";
        EXPECT_EQ(db->IntegrityCheck(), "ok") << round;
        EXPECT_EQ(db->SortValues(kSmallPlaylistId), others) << round;
        return now == newOrder && now != oldOrder;
    }

    struct Rounds {
        int kills = 0;
        int completed = 0; // rounds that found the new order
    };

    // Up to `count` kill rounds within 55 s, each on the playlist in its original order: the
    // program started on it, `click` sets off the work, the kill follows after the next of the
    // delays, then the playlist must hold the whole old or the whole new order. Stops at the
    // first failure.
    void RunKillRounds(KillMoments& delay, int count, const std::function<void()>& click,
                       const Order& oldOrder, const Order& newOrder, const std::string& doneText,
                       const std::string& notDoneText, Rounds& rounds) {
        const auto budget = Clock::now() + 55s;
        while (rounds.kills < count && Clock::now() < budget) {
            if (db->SortValues(kBigPlaylistId) != original) {
                db->Reset(kBigPlaylistId);
            }
            auto run = StartOnBigPlaylist();
            ASSERT_NE(window, 0u) << host->Output();
            const int wait = delay.Next();
            click();
            if (HasFatalFailure()) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
            run->Kill();
            ++rounds.kills;
            const std::string round =
                "kill " + std::to_string(rounds.kills) + " after " + std::to_string(wait) + " ms";
            const bool done = ExpectOldOrNew(oldOrder, newOrder, round);
            std::cout << round << ": " << (done ? doneText : notDoneText) << std::endl;
            rounds.completed += done ? 1 : 0;
            if (HasFailure()) {
                return;
            }
        }
    }

    XDisplay x;
    std::unique_ptr<E2eHost> host;
    std::unique_ptr<HostDb> db;
    xcb_window_t hostWindow = 0;
    xcb_window_t window = 0;
    Order original;
    Order others;
    Order shuffled;
    Clock::duration shuffleTime{};
    Clock::duration restoreTime{};
};

TEST_F(CrashSafety, AKilledShuffleLeavesTheOldOrTheNewOrder) {
    MakeBigHost();
    LearnTheShuffledOrder();
    constexpr int kKills = 10;
    // Kills spread over the whole shuffle.
    KillMoments delay(Seed(), 0, Milliseconds(shuffleTime), kKills);

    Rounds rounds;
    RunKillRounds(
        delay, kKills, [&] { ASSERT_TRUE(Click(x, window, kShuffleButton)); }, original, shuffled,
        "shuffled", "as before", rounds);
    if (HasFailure()) {
        return;
    }
    std::cout << rounds.kills << " kills during shuffles, " << rounds.completed
              << " after the new order was complete" << std::endl;
    EXPECT_GE(rounds.kills, 4);
}

TEST_F(CrashSafety, AKilledRestoreLeavesTheShuffledOrTheRestoredOrder) {
    MakeBigHost();
    LearnTheShuffledOrder();
    constexpr int kKills = 7;
    // Kills over the whole restore and a little beyond its commit.
    KillMoments delay(Seed() + 1, 0, Milliseconds(restoreTime) * 13 / 10, kKills);

    // The restore is clicked once the shuffle that it undoes is complete.
    const auto shuffleThenRestore = [&] {
        ASSERT_TRUE(Click(x, window, kShuffleButton));
        ASSERT_EQ(WaitForChange(original, 90s), shuffled) << host->Output();
        std::this_thread::sleep_for(300ms);
        ASSERT_TRUE(Click(x, window, kRestoreButton));
    };
    Rounds rounds;
    RunKillRounds(delay, kKills, shuffleThenRestore, shuffled, original, "restored",
                  "still shuffled", rounds);
    if (HasFailure()) {
        return;
    }
    std::cout << rounds.kills << " kills during restores, " << rounds.completed
              << " after the old order was back" << std::endl;
    EXPECT_GE(rounds.kills, 4);
}

// The installation writes its three keys in one atomic replacement of the file. A kill leaves
// the file as it was or with all three keys added: never a torn file, never a plug-in entry
// without its menu text.
TEST_F(CrashSafety, AKilledInstallationLeavesACompleteIniFile) {
    const std::string before = host->IniText();
    const std::vector<std::string> blocks = {"[PLUGIN]\r\nkarusello=karusello\r\n",
                                             "[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n",
                                             "[PLUGIN_Option]\r\nkarusello=PNID\r\n"};
    const std::vector<std::string> versions = {before, before + blocks[0] + blocks[1] + blocks[2]};

    // How long a first start takes to its end.
    const auto start = Clock::now();
    auto first = host->StartPlugin({"17"});
    ASSERT_EQ(first->WaitFor(30s), 2) << host->Output();
    const int startTime = Milliseconds(Clock::now() - start);
    ASSERT_EQ(host->IniText(), versions.back());
    std::cout << "a first start takes about " << startTime << " ms" << std::endl;

    constexpr int kKills = 20;
    // Most kills near the end of the start, where the writes are.
    KillMoments delay(Seed() + 2, startTime / 2, startTime * 5 / 4, kKills);
    std::vector<int> found(versions.size(), 0);
    const auto budget = Clock::now() + 30s;
    for (int kill = 1; kill <= kKills && Clock::now() < budget; ++kill) {
        host->WriteIniText(before);
        const int wait = delay.Next();
        auto run = host->StartPlugin({"17"});
        std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        run->Kill();
        const std::string text = host->IniText();
        const auto version = std::find(versions.begin(), versions.end(), text);
        ASSERT_NE(version, versions.end())
            << "kill " << kill << " after " << wait << " ms left this file:\n"
            << text;
        ++found[static_cast<std::size_t>(version - versions.begin())];
    }
    std::cout << "INI versions after the kills (old, installed):";
    for (int n : found) {
        std::cout << " " << n;
    }
    std::cout << "; left-over temporary files: " << TemporaryIniFiles(*host) << std::endl;
}

} // namespace
} // namespace karusello::e2e
