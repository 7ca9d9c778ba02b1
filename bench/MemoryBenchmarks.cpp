// Peak memory of a shuffle: a process that loads the window and shuffles once (the first
// shuffle, which also saves the old order) against one that only loads the window, which opens
// the database and reads the playlist's row.
#include "bench/Benchmarks.h"
#include "bench/PeakMemory.h"
#include "bench/Summary.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <exception>
#include <iterator>
#include <map>
#include <sstream>

namespace karusello::bench {

namespace {

constexpr double kSlopeGoal = 16;

// Bytes that the shuffle added at each size, for the slope between sizes.
std::map<int, double>& Added() {
    static std::map<int, double> added;
    return added;
}

// The slope between the two largest sizes: at both, SQLite's page cache of the connection has
// reached its bound, so what is left grows with the entries alone.
void RecordSlope() {
    const auto& added = Added();
    if (added.size() < 2) {
        return;
    }
    const auto big = std::prev(added.end());
    const auto next = std::prev(big);
    const double slope = (big->second - next->second) / (big->first - next->first);
    Record(
        {"shuffle memory slope", "-", slope, 0, "B", 0, "<= 16 B/entry", slope <= kSlopeGoal, 0});
    std::ostringstream note;
    note << "memory: " << slope << " bytes per entry between " << Grouped(next->first) << " and "
         << Grouped(big->first) << " entries, plus a bounded part of about "
         << std::llround((big->second - slope * big->first) / 1024) << " KiB";
    Note("memory slope", note.str());
}

void ShuffleMemory(benchmark::State& state, int entries) {
    try {
        const BenchHost& host = HostDatabases::Instance().For(entries);
        long long opened = 0;
        long long shuffled = 0;
        for (auto _ : state) {
            opened = PeakBytesOfFreshProcess(host, false);
            shuffled = PeakBytesOfFreshProcess(host, true);
        }
        const double added = static_cast<double>(shuffled - opened);
        state.counters["peak_MiB"] = static_cast<double>(shuffled) / (1 << 20);
        state.counters["opened_MiB"] = static_cast<double>(opened) / (1 << 20);
        state.counters["bytes_per_entry"] = added / entries;
        Record(
            {"shuffle memory per entry", Grouped(entries), added / entries, 0, "B", 0, "", true});
        std::ostringstream note;
        note << "memory at " << Grouped(entries) << " entries: peak "
             << static_cast<double>(shuffled) / (1 << 20) << " MiB after a shuffle, "
             << static_cast<double>(opened) / (1 << 20) << " MiB after opening only; added "
             << added / (1 << 20) << " MiB";
        Note("memory " + std::to_string(1000000 + entries), note.str());
        Added()[entries] = added;
        RecordSlope();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

void RegisterMemoryBenchmarks() {
    for (const int entries : kSizes) {
        benchmark::RegisterBenchmark(("peak_memory/" + std::to_string(entries)).c_str(),
                                     ShuffleMemory, entries)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace karusello::bench
