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

// This process's environment as "NAME=value" entries, with the extra variables set (in place of
// those of the same name).
std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& extra);

// A status from waitpid as an exit code: the code of a process that exited, 128 plus the signal
// of one that was killed, as a shell gives it.
int ExitCodeOf(int status);

} // namespace karusello::test
