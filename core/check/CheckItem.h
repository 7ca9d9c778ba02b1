#pragma once

#include <string>

namespace karusello::check {

// One line of the check's report: what was looked at, what was found and, for a problem, what
// a person should do about it.
struct CheckItem {
    std::string name;
    bool ok = false;
    std::string detail;
    std::string remedy;
};

inline CheckItem Ok(std::string name, std::string detail) {
    return {std::move(name), true, std::move(detail), {}};
}

inline CheckItem Problem(std::string name, std::string detail, std::string remedy) {
    return {std::move(name), false, std::move(detail), std::move(remedy)};
}

} // namespace karusello::check
