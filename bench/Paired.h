#pragma once

#include <benchmark/benchmark.h>

#include <functional>

namespace karusello::bench {

// One run of an operation: wall-clock seconds, and this process's processor seconds, which the
// waiting for the disk and for other programs on the machine leave out.
struct Sample {
    double wall = 0;
    double cpu = 0;
};

Sample Measure(const std::function<void()>& work);

// Medians of one paired benchmark: the times in seconds and the per-iteration ratios.
struct PairedResult {
    double program = 0;
    double reference = 0;
    double ratio = 0;
    double cpuRatio = 0;
};

// Runs the program's operation and its bare reference alternately, once each per iteration;
// the order swaps every iteration, so that neither always runs on a cache the other warmed. The
// benchmark's time is the program's wall time (manual timing); the counters program_ms and
// reference_ms are medians of the times, ratio and cpu_ratio medians of the per-iteration ratios
// (of wall and of processor time). The two runs of an iteration follow each other closely, so
// their ratio cancels the changing load of other work on the machine, which the quotient of the
// two medians would not. The operations measure themselves, so that they can leave work unmeasured
// (a start-up that must also end the program again, a shuffle that must precede a restore).
PairedResult RunPaired(benchmark::State& state, const std::function<Sample()>& program,
                       const std::function<Sample()>& reference);

// The same for operations measured whole; prepare, when given, runs unmeasured before every run
// of the program.
PairedResult RunPaired(benchmark::State& state, const std::function<void()>& program,
                       const std::function<void()>& reference,
                       const std::function<void()>& prepare = {});

} // namespace karusello::bench
