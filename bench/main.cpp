// karusello_bench: the program's speed at scale, each figure beside a bare reference measured in
// the same run, and a summary of the ratios against the goals at the end.
#include "bench/Benchmarks.h"
#include "bench/PeakMemory.h"
#include "bench/Summary.h"
#include "core/playlistdb/DBEngine.h"
#include "linux/sqlite/SqliteDriver.h"

#include <benchmark/benchmark.h>

#include <iostream>

int main(int argc, char** argv) {
    using namespace karusello::bench;
    karusello::dao::SharedDBEngine().SetDriver(std::make_shared<karusello::dao::SqliteDriver>());
    if (const auto code = RunMemoryChild(argc, argv)) {
        return *code;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterDrawBenchmarks();
    RegisterWorkflowBenchmarks();
    RegisterFixedCostBenchmarks();
    RegisterIndexBenchmarks();
    RegisterMemoryBenchmarks();
    RegisterStartupBenchmark();
    benchmark::RunSpecifiedBenchmarks();
    PrintSummary(std::cout);
    benchmark::Shutdown();
    return 0;
}
