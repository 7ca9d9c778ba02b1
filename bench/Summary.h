#pragma once

#include "bench/Paired.h"

#include <ostream>
#include <string>

namespace karusello::bench {

// One line of the summary printed after the benchmarks: a measured value beside its reference
// from the same run, their ratio, and whether the goal was met.
struct SummaryLine {
    std::string measurement; // "shuffle", "restore", "tick", ...
    std::string size;        // "400", "4,000", ...
    double value = 0;        // the program's figure
    double reference = 0;    // the bare reference's figure; 0 when there is none
    std::string unit;        // of value and reference
    double ratio = 0;        // value / reference; 0 when there is no reference
    std::string goal;
    bool met = true;
    double cpuRatio = 0; // the same in processor time; 0 when not measured
};

// The line of a paired measurement, in milliseconds; an empty goal marks it informative.
SummaryLine PairedLine(const std::string& measurement, const std::string& size,
                       const PairedResult& r, const std::string& goal = "", bool met = true);

// Keeps a line; a later line for the same measurement and size replaces it.
void Record(const SummaryLine& line);
// A free-form note printed under the table (draw counts, memory slope, ...).
void Note(const std::string& key, const std::string& text);
void PrintSummary(std::ostream& out);

// A count with thousands separators, as in the goals: 40,000.
std::string Grouped(long long value);

} // namespace karusello::bench
