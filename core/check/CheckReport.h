#pragma once

#include "core/app/interfaces/ExitCode.h"
#include "core/check/CheckItem.h"

#include <string>
#include <vector>

namespace karusello::check {

// The check's items in the order they were looked at.
class CheckReport {
public:
    void Add(CheckItem item) { items_.push_back(std::move(item)); }
    const std::vector<CheckItem>& Items() const { return items_; }

    int Problems() const;
    // Normal when every item is OK, CheckProblem otherwise.
    ExitCode Code() const;
    // The report as a person reads it: a heading, one line per item ("OK" or "PROBLEM", the
    // item, what was found), for a problem one more line on what to do, and the result. Lines
    // end with a line feed.
    std::string Text(const std::string& heading) const;

private:
    std::vector<CheckItem> items_;
};

} // namespace karusello::check
