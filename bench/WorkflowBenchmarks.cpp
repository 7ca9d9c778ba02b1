// The shuffle, the restore and the name-refresh tick through the window, end to end, each beside
// the bare SQLite statements that it runs.
#include "bench/Baseline.h"
#include "bench/BenchForm.h"
#include "bench/Benchmarks.h"
#include "bench/Paired.h"
#include "bench/Summary.h"

#include <benchmark/benchmark.h>

#include <exception>
#include <memory>
#include <random>

namespace karusello::bench {

namespace {

constexpr double kRatioGoal = 1.3;
constexpr double kTickGoalSeconds = 1e-3;

struct Case {
    int entries;
    Storage storage;

    const BenchHost& Host() const { return HostDatabases::Instance().For(entries, true, storage); }
    std::string Name(const std::string& what) const {
        return what + (storage == Storage::Ram ? " (RAM)" : "");
    }
};

SummaryLine RatioLine(const std::string& measurement, int entries, const PairedResult& r) {
    return PairedLine(measurement, Grouped(entries), r, "ratio <= 1.3", r.ratio <= kRatioGoal);
}

// Every shuffle after the first: the old order is saved already.
void Shuffle(benchmark::State& state, Case c) {
    try {
        const PairedResult r = PairedShuffle(state, c.Host(), kBigPlaylist);
        Record(RatioLine(c.Name("shuffle"), c.entries, r));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// Every restore follows a shuffle (not measured), so that it changes every row: SQLite leaves
// a page untouched when a row is written with the value it holds, and a restore of an order
// already in place would cost next to nothing.
void Restore(benchmark::State& state, Case c) {
    try {
        const BenchHost& host = c.Host();
        BenchForm form(host, kBigPlaylist);
        const std::vector<std::int32_t> saved = SortValues(host.database, kBigPlaylist);
        std::minstd_rand random;
        const PairedResult r = RunPaired(
            state, std::function<Sample()>([&] {
                form.Fire(FormEvent::ShuffelClick);
                return Measure([&] { form.Fire(FormEvent::WeiderherstellenClick); });
            }),
            std::function<Sample()>([&] {
                BaselineShuffle(host.database, kBigPlaylist, random);
                return Measure([&] { BaselineRestore(host.database, kBigPlaylist, saved); });
            }));
        Record(RatioLine(c.Name("restore"), c.entries, r));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// The first shuffle of a run also reads the playlist once to save its order: a new window per
// iteration. The rows are stirred (not measured) before each, so that no write finds its value
// in place, whatever the window draws.
void FirstShuffle(benchmark::State& state, Case c) {
    try {
        const BenchHost& host = c.Host();
        std::unique_ptr<BenchForm> form;
        std::minstd_rand random;
        std::minstd_rand stir(7);
        const PairedResult r = RunPaired(
            state, [&] { form->Fire(FormEvent::ShuffelClick); },
            [&] { BaselineShuffle(host.database, kBigPlaylist, random); },
            [&] {
                BaselineShuffle(host.database, kBigPlaylist, stir);
                form.reset();
                form = std::make_unique<BenchForm>(host, kBigPlaylist);
            });
        Record(RatioLine(c.Name("first shuffle (+ save)"), c.entries, r));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// A tick with an unchanged name: ReadPlaylistInfo reads one row of pl_name.
void Tick(benchmark::State& state, Case c) {
    try {
        const BenchHost& host = c.Host();
        BenchForm form(host, kBigPlaylist);
        const PairedResult r = RunPaired(
            state, [&] { form.Fire(FormEvent::Timer2); },
            [&] { BaselineNameRead(host.database, kBigPlaylist); });
        Record(PairedLine(c.Name("tick (ReadPlaylistInfo)"), Grouped(c.entries), r,
                          "program < 1 ms", r.program < kTickGoalSeconds));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

template <typename Body>
void RegisterPerSize(const std::string& name, Body body, Storage storage, int pairs = 0) {
    for (const int entries : kSizes) {
        const std::string full =
            name + (storage == Storage::Ram ? "_ram/" : "/") + std::to_string(entries);
        benchmark::RegisterBenchmark(full.c_str(), body, Case{entries, storage})
            ->Iterations(pairs > 0 ? pairs : PairsFor(entries))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int PairsFor(int entries) {
    return entries <= 400 ? 60 : entries <= 4000 ? 30 : entries <= 40000 ? 15 : 7;
}

void RegisterWorkflowBenchmarks() {
    RegisterPerSize("tick", Tick, Storage::Disk, 300);
    RegisterPerSize("shuffle", Shuffle, Storage::Disk);
    RegisterPerSize("restore", Restore, Storage::Disk);
    RegisterPerSize("first_shuffle", FirstShuffle, Storage::Disk);
    RegisterPerSize("shuffle", Shuffle, Storage::Ram);
    RegisterPerSize("restore", Restore, Storage::Ram);
    RegisterPerSize("first_shuffle", FirstShuffle, Storage::Ram);
}

} // namespace karusello::bench
