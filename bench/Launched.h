#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karusello::bench {

// A program started by the benchmark in a process group of its own, its output appended to a
// file; killed with its group when let go, so that no measurement leaves a process behind.
class Launched {
public:
    Launched(const std::string& program, const std::vector<std::string>& args,
             const std::map<std::string, std::string>& extraEnv,
             const std::filesystem::path& output);
    ~Launched();
    Launched(const Launched&) = delete;
    Launched& operator=(const Launched&) = delete;

    // The exit code once the program ended (128 + signal when a signal ended it); nothing
    // while it still runs after the time.
    std::optional<int> WaitFor(std::chrono::milliseconds timeout);
    void Kill();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

} // namespace karusello::bench
