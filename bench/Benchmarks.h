#pragma once

#include <array>

namespace karusello::bench {

// The playlist sizes of every size-dependent measurement.
inline constexpr std::array<int, 4> kSizes = {400, 4000, 40000, 400000};

// Iterations (program and reference once each) for a playlist size: enough for a stable median,
// few enough that the whole run stays within minutes.
int PairsFor(int entries);

// Registration, in the order the benchmarks run.
void RegisterDrawBenchmarks();
void RegisterWorkflowBenchmarks();
void RegisterFixedCostBenchmarks();
void RegisterIndexBenchmarks();
void RegisterMemoryBenchmarks();
void RegisterStartupBenchmark();

} // namespace karusello::bench
