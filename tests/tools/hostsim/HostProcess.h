#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace karusello::hostsim::test {

// The hostsim program started by a test, with its standard input and output as pipes. Killed
// when the test lets go of it, so that no test leaves a process behind.
class HostProcess {
public:
    // DISPLAY set to display (":N"), or removed from the environment when display is empty.
    explicit HostProcess(const std::vector<std::string>& args, const std::string& display = {});
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    pid_t Pid() const { return pid_; }
    void Send(const std::string& line);
    // The next line of its standard output; none when none came within the time or the output
    // ended.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
    // Sends a command and returns the first answer line ("ok ..." or "error ..."), passing over
    // the message lines that came before it.
    std::string Ask(const std::string& command);
    void Signal(int signal);
    // The exit code once it ended within the time; none while it still runs.
    std::optional<int> WaitFor(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffered_;
    std::optional<int> status_;
};

// Generous waiting time for a start or an answer under the sanitizers on a busy machine.
inline constexpr std::chrono::milliseconds patience{30000};

} // namespace karusello::hostsim::test
