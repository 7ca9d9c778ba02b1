#include "bench/Paired.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace karusello::bench {

namespace {

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double ProcessorSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

Sample Measure(const std::function<void()>& work) {
    const double cpuStart = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(end - start).count(), ProcessorSeconds() - cpuStart};
}

PairedResult RunPaired(benchmark::State& state, const std::function<Sample()>& program,
                       const std::function<Sample()>& reference) {
    std::vector<double> programTimes;
    std::vector<double> referenceTimes;
    std::vector<double> ratios;
    std::vector<double> cpuRatios;
    bool programFirst = true;
    for (auto _ : state) {
        Sample p;
        Sample r;
        if (programFirst) {
            p = program();
            r = reference();
        } else {
            r = reference();
            p = program();
        }
        programFirst = !programFirst;
        state.SetIterationTime(p.wall);
        programTimes.push_back(p.wall);
        referenceTimes.push_back(r.wall);
        ratios.push_back(p.wall / r.wall);
        if (r.cpu > 0) {
            cpuRatios.push_back(p.cpu / r.cpu);
        }
    }
    const PairedResult result{Median(programTimes), Median(referenceTimes), Median(ratios),
                              Median(cpuRatios)};
    state.counters["program_ms"] = result.program * 1e3;
    state.counters["reference_ms"] = result.reference * 1e3;
    state.counters["ratio"] = result.ratio;
    if (result.cpuRatio > 0) {
        state.counters["cpu_ratio"] = result.cpuRatio;
    }
    return result;
}

PairedResult RunPaired(benchmark::State& state, const std::function<void()>& program,
                       const std::function<void()>& reference,
                       const std::function<void()>& prepare) {
    return RunPaired(state, std::function<Sample()>([&] {
                         if (prepare) {
                             prepare();
                         }
                         return Measure(program);
                     }),
                     std::function<Sample()>([&] { return Measure(reference); }));
}

} // namespace karusello::bench
