#include "core/check/CheckReport.h"

#include <algorithm>

namespace karusello::check {

namespace {
// The item names line up behind the widest mark.
constexpr const char* kOkMark = "OK       ";
constexpr const char* kProblemMark = "PROBLEM  ";
constexpr const char* kRemedyIndent = "         what to do: ";
} // namespace

int CheckReport::Problems() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const CheckItem& i) { return !i.ok; }));
}

ExitCode CheckReport::Code() const {
    return Problems() == 0 ? ExitCode::Normal : ExitCode::CheckProblem;
}

std::string CheckReport::Text(const std::string& heading) const {
    std::string text = heading + "\n\n";
    for (const CheckItem& item : items_) {
        text += (item.ok ? kOkMark : kProblemMark) + item.name + ": " + item.detail + "\n";
        if (!item.ok && !item.remedy.empty()) {
            text += kRemedyIndent + item.remedy + "\n";
        }
    }
    const int problems = Problems();
    text += "\n";
    if (problems == 0) {
        text += "Result: all " + std::to_string(items_.size()) + " items OK.\n";
    } else {
        text += "Result: a PROBLEM in " + std::to_string(problems) + " of " +
                std::to_string(items_.size()) + " items.\n";
    }
    return text;
}

} // namespace karusello::check
