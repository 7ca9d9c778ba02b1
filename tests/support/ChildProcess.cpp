#include "tests/support/ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace karusello::test {

std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!extra.count(entry.substr(0, entry.find('=')))) {
            env.push_back(entry);
        }
    }
    for (const auto& [key, value] : extra) {
        env.push_back(key + "=" + value);
    }
    return env;
}

int ExitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& extraEnv,
                           const std::filesystem::path& output) {
    std::vector<std::string> env = EnvironmentWith(extraEnv);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setpgid(0, 0);
        if (out >= 0) {
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    if (out >= 0) {
        ::close(out);
    }
}

ChildProcess::~ChildProcess() {
    Kill();
}

std::optional<int> ChildProcess::WaitFor(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = ExitCodeOf(status);
            break;
        }
        if (std::chrono::steady_clock::now() >= end) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

bool ChildProcess::Running() {
    return !WaitFor(std::chrono::milliseconds(0));
}

void ChildProcess::Kill() {
    if (pid_ > 0 && !status_) {
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        status_ = 137;
    }
}

} // namespace karusello::test
