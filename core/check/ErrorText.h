#pragma once

#include "core/errors/RuntimeError.h"

#include <string>

namespace karusello::check {

// An error as the report shows it: "error <number>: <text>".
inline std::string ErrorText(const RuntimeError& error) {
    return "error " + std::to_string(error.Number()) + ": " + error.Text();
}

} // namespace karusello::check
