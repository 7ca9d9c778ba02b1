#pragma once

#include "core/app/interfaces/ExitCode.h"
#include "core/app/interfaces/WindowSystem.h"
#include "core/check/CheckPlatform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace karusello::check {

// The platform's parts of the self-check. They are made only when the check runs: the window
// system may need a display that --version must do without.
struct CheckParts {
    std::unique_ptr<CheckPlatform> platform;
    std::unique_ptr<WindowSystem> windows;
};

// How the texts of --version and --check reach the person: the one thing each build does its
// own way.
struct OptionOutput {
    std::function<void(const std::string& line)> version;
    // The report's text; allOk when it found no problem.
    std::function<void(const std::string& report, bool allOk)> report;
};

// Reads the arguments (the command line after the program's own path) and answers --version or
// runs --check for a program of this version. The exit code when it did; nothing when the
// arguments start the plug-in.
std::optional<ExitCode> RunStartOption(const std::string& arguments, const std::string& version,
                                       const std::function<CheckParts()>& makeCheckParts,
                                       const OptionOutput& output);

} // namespace karusello::check
