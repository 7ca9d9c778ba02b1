#include "HostsimDriver.h"

#include "E2eHost.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileText.h"
#include "tests/support/PluginFolder.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace karusello::e2e {

namespace {

using namespace std::chrono_literals;

#ifdef HOSTSIM_EXE
constexpr const char* kHostsim = HOSTSIM_EXE;
#else
constexpr const char* kHostsim = "";
#endif

// The suppressions of the sanitizer build: Qt's D-Bus connection leaks a buffer at exit.
std::string LeakOptions() {
    const char* given = std::getenv("LSAN_OPTIONS");
    std::string options = given ? given : "";
    if (options.find("suppressions=") == std::string::npos) {
        const auto sourceRoot = std::filesystem::path(SKIN_FILE).parent_path().parent_path();
        options += std::string(options.empty() ? "" : ":") +
                   "suppressions=" + (sourceRoot / "tests" / "lsan.supp").string();
    }
    return options;
}

// A process that is gone, or a zombie that some other process has to reap.
bool Gone(pid_t pid) {
    if (::kill(pid, 0) != 0) {
        return errno == ESRCH;
    }
    const std::string text = test::ReadText("/proc/" + std::to_string(pid) + "/stat");
    const auto close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z';
}

} // namespace

std::string AnswerField(const std::string& answer, const std::string& key) {
    std::istringstream words(answer);
    std::string word;
    while (words >> word) {
        if (word.rfind(key + "=", 0) == 0) {
            return word.substr(key.size() + 1);
        }
    }
    return {};
}

bool HostsimDriver::Available() {
    return *kHostsim && std::filesystem::exists(kHostsim);
}

HostsimDriver::HostsimDriver(std::int32_t shownPlaylist) {
    // Qt starts the plug-in detached (a double fork): as subreaper the test process adopts it.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    ::signal(SIGPIPE, SIG_IGN);
    std::string templ =
        (std::filesystem::temp_directory_path() / "karusello-hostsim-XXXXXX").string();
    root_ = ::mkdtemp(templ.data());
    folder_ = root_ / "host";
    log_ = root_ / "messages.log";
    errors_ = root_ / "errors.txt";
    test::MakeRuntimeFolder(root_ / "run");
    try {
        Spawn({"--host", folder_.string(), "--create", "--skin", SKIN_FILE, "--plugin",
               KARUSELLO_EXE, "--log", log_.string(), "--show", std::to_string(shownPlaylist)});
        WaitForReady();
    } catch (...) {
        EndHostsim();
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
        throw;
    }
}

HostsimDriver::~HostsimDriver() {
    EndPlugins();
    EndHostsim();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void HostsimDriver::Spawn(const std::vector<std::string>& args) {
    auto extra = test::PluginEnvironment(root_ / "run");
    extra["LSAN_OPTIONS"] = LeakOptions();
    std::vector<std::string> env = test::EnvironmentWith(extra);
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::vector<char*> argv{const_cast<char*>(kHostsim)};
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);

    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipes for hostsim");
    }
    const int errors = ::open(errors_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setpgid(0, 0);
        ::dup2(toChild[0], 0);
        ::dup2(fromChild[1], 1);
        if (errors >= 0) {
            ::dup2(errors, 2);
        }
        ::execve(kHostsim, argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    if (errors >= 0) {
        ::close(errors);
    }
    input_ = toChild[1];
    output_ = fromChild[0];
    if (pid_ < 0) {
        throw std::runtime_error("cannot start hostsim");
    }
}

std::optional<std::string> HostsimDriver::ReadLine(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto newline = pending_.find('\n');
        if (newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || output_ < 0) {
            return std::nullopt;
        }
        pollfd ready{output_, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got <= 0) {
            ::close(output_);
            output_ = -1;
            return std::nullopt;
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

void HostsimDriver::WaitForReady() {
    while (const auto line = ReadLine(120s)) {
        if (line->rfind("ready", 0) == 0) {
            db_ = static_cast<std::uint32_t>(std::stoul(AnswerField(*line, "DB")));
            dj_ = static_cast<std::uint32_t>(std::stoul(AnswerField(*line, "DJ")));
            return;
        }
    }
    throw std::runtime_error("hostsim did not get ready: " + Errors());
}

std::string HostsimDriver::Command(const std::string& line) {
    const std::string text = line + "\n";
    if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("hostsim takes no command '" + line + "': " + Errors());
    }
    while (const auto answer = ReadLine(60s)) {
        if (answer->rfind("ok", 0) == 0 || answer->rfind("error", 0) == 0) {
            return *answer;
        }
    }
    throw std::runtime_error("hostsim gave no answer to '" + line + "': " + Errors());
}

pid_t HostsimDriver::StartPlugin() {
    const std::string answer = Command("shuffle");
    const std::string pid = AnswerField(answer, "pid");
    if (answer.rfind("ok", 0) != 0 || pid.empty()) {
        throw std::runtime_error("hostsim did not start the plug-in: " + answer);
    }
    const pid_t started = static_cast<pid_t>(std::stol(pid));
    plugins_[started] = std::nullopt;
    return started;
}

std::optional<int> HostsimDriver::Close() {
    if (!exitCode_ && pid_ > 0) {
        if (Command("close").rfind("ok", 0) != 0) {
            return std::nullopt;
        }
        const auto end = std::chrono::steady_clock::now() + 30s;
        while (!exitCode_ && std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exitCode_ = test::ExitCodeOf(status);
                break;
            }
            std::this_thread::sleep_for(20ms);
        }
    }
    return exitCode_;
}

std::optional<int> HostsimDriver::WaitForPluginEnd(pid_t pid, std::chrono::milliseconds timeout) {
    std::optional<int>& known = plugins_[pid];
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!known) {
        int status = 0;
        const pid_t reaped = ::waitpid(pid, &status, WNOHANG);
        if (reaped == pid) {
            known = test::ExitCodeOf(status);
        } else if (reaped < 0 && Gone(pid)) {
            known = kUnknownExit;
        } else if (std::chrono::steady_clock::now() >= end) {
            break;
        } else {
            std::this_thread::sleep_for(20ms);
        }
    }
    return known;
}

void HostsimDriver::EndPlugins() {
    for (auto& [pid, code] : plugins_) {
        if (!code) {
            ::kill(pid, SIGKILL);
            WaitForPluginEnd(pid, 10s);
        }
    }
}

void HostsimDriver::EndHostsim() {
    if (pid_ > 0 && !exitCode_) {
        try {
            Close();
        } catch (const std::exception&) {
            // It is killed below.
        }
    }
    if (pid_ > 0 && !exitCode_) {
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        exitCode_ = 137;
    }
    for (int* fd : {&input_, &output_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

std::vector<std::string> HostsimDriver::Messages() const {
    const std::string text = test::ReadText(log_);
    // Only complete lines: hostsim may be writing the next one right now.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        const std::string line = text.substr(start, end - start);
        if (line.rfind("message", 0) == 0) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

bool HostsimDriver::WaitForMessages(std::size_t count) {
    return WaitUntil([&] { return Messages().size() >= count; }, 20000);
}

std::string HostsimDriver::Errors() const {
    return test::ReadText(errors_);
}

} // namespace karusello::e2e
