#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karusello::test {

// A program started by a test; killed when the test lets go of it, so that no test leaves a
// process behind.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& extraEnv,
                 const std::filesystem::path& output);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The exit code once the process ended within the time; nothing while it still runs.
    std::optional<int> WaitFor(std::chrono::milliseconds timeout);
    bool Running();
    void Kill();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

} // namespace karusello::test
