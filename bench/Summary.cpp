#include "bench/Summary.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <sstream>
#include <vector>

namespace karusello::bench {

namespace {

std::vector<SummaryLine>& Lines() {
    static std::vector<SummaryLine> lines;
    return lines;
}

std::map<std::string, std::string>& Notes() {
    static std::map<std::string, std::string> notes;
    return notes;
}

std::string Fixed(double value, int decimals) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

// Three significant figures at least, so that 0.0412 ms and 1234.5 ms both read well.
std::string Figure(double value) {
    if (value == 0) {
        return "-";
    }
    const double magnitude = std::abs(value);
    return Fixed(value, magnitude >= 100 ? 1 : magnitude >= 1 ? 2 : magnitude >= 0.01 ? 4 : 6);
}

} // namespace

SummaryLine PairedLine(const std::string& measurement, const std::string& size,
                       const PairedResult& r, const std::string& goal, bool met) {
    return {measurement, size, r.program * 1e3, r.reference * 1e3, "ms", r.ratio,
            goal,        met,  r.cpuRatio};
}

void Record(const SummaryLine& line) {
    auto& lines = Lines();
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const SummaryLine& l) {
        return l.measurement == line.measurement && l.size == line.size;
    });
    if (same != lines.end()) {
        *same = line;
    } else {
        lines.push_back(line);
    }
}

void Note(const std::string& key, const std::string& text) {
    Notes()[key] = text;
}

void PrintSummary(std::ostream& out) {
    if (Lines().empty() && Notes().empty()) {
        return;
    }
    out << "\nSummary (program beside its bare reference, same run; medians of the times and of "
           "the per-pair ratios of wall time and, under cpu, of processor time)\n";
    out << std::left << std::setw(34) << "measurement" << std::right << std::setw(10) << "size"
        << std::setw(14) << "program" << std::setw(14) << "reference" << std::setw(6) << "unit"
        << std::setw(9) << "ratio" << std::setw(9) << "cpu"
        << "  " << std::left << std::setw(16) << "goal"
        << "met\n";
    for (const SummaryLine& l : Lines()) {
        out << std::left << std::setw(34) << l.measurement << std::right << std::setw(10) << l.size
            << std::setw(14) << Figure(l.value) << std::setw(14) << Figure(l.reference)
            << std::setw(6) << l.unit << std::setw(9) << (l.ratio > 0 ? Fixed(l.ratio, 2) : "-")
            << std::setw(9) << (l.cpuRatio > 0 ? Fixed(l.cpuRatio, 2) : "-") << "  " << std::left
            << std::setw(16) << (l.goal.empty() ? "-" : l.goal)
            << (l.goal.empty() ? "-"
                : l.met        ? "yes"
                               : "NO")
            << '\n';
    }
    for (const auto& [key, text] : Notes()) {
        out << text << '\n';
    }
    out << std::right;
}

std::string Grouped(long long value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

} // namespace karusello::bench
