// The random draws of one shuffle on their own: how many the refusal of given values costs and
// how long they take beside the database work.
#include "bench/Benchmarks.h"
#include "bench/DrawCount.h"
#include "bench/Summary.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

namespace karusello::bench {

namespace {

void Draws(benchmark::State& state, int entries) {
    long long draws = 0;
    for (auto _ : state) {
        draws = CountDraws(entries);
        benchmark::DoNotOptimize(draws);
    }
    const double range = entries + 100.0;
    const double expected = ExpectedDraws(entries);
    state.counters["draws"] = static_cast<double>(draws);
    state.counters["draws_per_entry"] = static_cast<double>(draws) / entries;
    state.counters["expected"] = expected;
    std::ostringstream note;
    note << "draws at " << Grouped(entries) << " entries: " << Grouped(draws) << " ("
         << static_cast<double>(draws) / entries
         << " per entry; expected N(H(N)-H(100)) = " << Grouped(std::llround(expected))
         << ", N ln(N/100) = " << Grouped(std::llround(range * std::log(range / 100))) << ")";
    Note("draws " + std::to_string(1000000 + entries), note.str());
}

} // namespace

void RegisterDrawBenchmarks() {
    for (const int entries : kSizes) {
        benchmark::RegisterBenchmark(("draws/" + std::to_string(entries)).c_str(), Draws, entries)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace karusello::bench
