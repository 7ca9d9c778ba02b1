// What the host's index on pl_all(pnid, plid) is worth: the shuffle of a 400-entry playlist in
// tables of every size, and of the large playlist, with and without the index. The program and
// the bare statements run on the same file, so the ratio stays comparable.
#include "bench/BenchForm.h"
#include "bench/Benchmarks.h"
#include "bench/Paired.h"
#include "bench/Summary.h"

#include <benchmark/benchmark.h>

#include <exception>

namespace karusello::bench {

namespace {

struct IndexCase {
    int tableEntries; // entries of the large playlist; the table holds a few hundred more
    bool withIndex;
    std::int32_t playlist;
};

void ShuffleIndexed(benchmark::State& state, IndexCase c) {
    try {
        const BenchHost& host = HostDatabases::Instance().For(c.tableEntries, c.withIndex);
        const PairedResult r = PairedShuffle(state, host, c.playlist);
        const std::string what = c.playlist == kSmallPlaylist ? "shuffle 400 in table" : "shuffle";
        Record(PairedLine(what + (c.withIndex ? ", index" : ", no index"), Grouped(c.tableEntries),
                          r));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void Register(IndexCase c) {
    const std::string name =
        std::string(c.playlist == kSmallPlaylist ? "shuffle_400_in_table" : "shuffle") +
        (c.withIndex ? "_index/" : "_noindex/") + std::to_string(c.tableEntries);
    benchmark::RegisterBenchmark(name.c_str(), ShuffleIndexed, c)
        ->Iterations(c.playlist == kSmallPlaylist ? PairsFor(kSmallEntries)
                                                  : PairsFor(c.tableEntries))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

void RegisterIndexBenchmarks() {
    for (const int entries : kSizes) {
        Register({entries, true, kSmallPlaylist});
        Register({entries, false, kSmallPlaylist});
    }
    for (const int entries : kSizes) {
        Register({entries, false, kBigPlaylist});
    }
}

} // namespace karusello::bench
