#include "WinhostSession.h"

#include "TestHost.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto answerTimeout = 60s;

std::wstring Quoted(const std::filesystem::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

HWND HandleOf(const std::string& line, const std::string& key) {
    const std::string value = Field(line, key);
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoul(value)));
}

// Waits for the condition, looking again every few milliseconds.
bool PollUntil(Clock::time_point end, const std::function<bool()>& done) {
    for (;;) {
        if (done()) {
            return true;
        }
        if (Clock::now() >= end) {
            return false;
        }
        ::Sleep(10);
    }
}

} // namespace

std::string Field(const std::string& line, const std::string& key) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word.rfind(key + "=", 0) == 0) {
            return word.substr(key.size() + 1);
        }
    }
    return {};
}

WinhostSession::WinhostSession(const std::filesystem::path& hostFolder, std::int32_t shownPlaylist,
                               bool pluginPathUnquoted)
    : errors_(hostFolder.parent_path() / "errors.txt"),
      log_(hostFolder.parent_path() / "messages.log") {
    const std::wstring commandLine =
        Quoted(WindowsPath(WINHOST_EXE)) + L" --host " + Quoted(hostFolder) + L" --plugin " +
        Quoted(WindowsPath(KARUSELLO_EXE)) + L" --log " + Quoted(log_) + L" --show " +
        std::to_wstring(shownPlaylist) + (pluginPathUnquoted ? L" --unquoted" : L"");
    try {
        Spawn(commandLine, hostFolder);
        std::string ready;
        if (!Pump(answerTimeout,
                  [&] {
                      for (const std::string& answer : answers_) {
                          if (answer.rfind("ready", 0) == 0) {
                              ready = answer;
                          }
                      }
                      return !ready.empty() || outputEnded_;
                  }) ||
            ready.empty()) {
            throw std::runtime_error("winhost did not get ready: " + Errors());
        }
        answers_.clear();
        db_ = HandleOf(ready, "DB");
        dj_ = HandleOf(ready, "DJ");
    } catch (...) {
        EndEverything();
        throw;
    }
}

WinhostSession::~WinhostSession() {
    EndEverything();
}

void WinhostSession::Spawn(const std::wstring& commandLine, const std::filesystem::path& folder) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    win32::UniqueHandle childInput;
    win32::UniqueHandle childOutput;
    if (!::CreatePipe(childInput.Out(), input_.Out(), &inherit, 0) ||
        !::CreatePipe(output_.Out(), childOutput.Out(), &inherit, 0)) {
        throw std::runtime_error("no pipes for winhost");
    }
    ::SetHandleInformation(input_.Get(), HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(output_.Get(), HANDLE_FLAG_INHERIT, 0);
    const win32::UniqueHandle errors(::CreateFileW(
        errors_.wstring().c_str(), FILE_APPEND_DATA,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit, OPEN_ALWAYS, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput.Get();
    startup.hStdOutput = childOutput.Get();
    startup.hStdError = errors.Get();
    std::wstring line = commandLine;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          folder.wstring().c_str(), &startup, &started)) {
        throw std::runtime_error("cannot start winhost: error " + std::to_string(::GetLastError()));
    }
    ::CloseHandle(started.hThread);
    process_.Reset(started.hProcess);
}

void WinhostSession::ReadAvailable() {
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(output_.Get(), nullptr, 0, nullptr, &available, nullptr)) {
            outputEnded_ = true;
            break;
        }
        if (available == 0) {
            break;
        }
        std::string buffer(available, '\0');
        DWORD got = 0;
        if (!::ReadFile(output_.Get(), buffer.data(), available, &got, nullptr) || got == 0) {
            outputEnded_ = true;
            break;
        }
        pending_.append(buffer.data(), got);
    }
    std::size_t end = 0;
    while ((end = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        Sort(line);
    }
}

void WinhostSession::Sort(const std::string& line) {
    if (line.rfind("message ", 0) == 0) {
        messages_.push_back(line);
    } else if (line.rfind("ended ", 0) == 0) {
        plugins_[static_cast<DWORD>(std::stoul(Field(line, "pid")))] =
            static_cast<DWORD>(std::stoul(Field(line, "exit")));
    } else {
        answers_.push_back(line);
    }
}

template <typename Done> bool WinhostSession::Pump(std::chrono::milliseconds timeout, Done done) {
    return PollUntil(Clock::now() + timeout, [&] {
        ReadAvailable();
        return done();
    });
}

std::string WinhostSession::Command(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    if (!::WriteFile(input_.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                     nullptr) ||
        written != text.size()) {
        throw std::runtime_error("winhost takes no command '" + line + "': " + Errors());
    }
    std::string answer;
    Pump(answerTimeout, [&] {
        for (std::size_t i = 0; i < answers_.size(); ++i) {
            if (answers_[i].rfind("ok", 0) == 0 || answers_[i].rfind("error", 0) == 0) {
                answer = answers_[i];
                answers_.erase(answers_.begin(), answers_.begin() + i + 1);
                return true;
            }
        }
        return outputEnded_;
    });
    if (answer.empty()) {
        throw std::runtime_error("winhost gave no answer to '" + line + "': " + Errors());
    }
    return answer;
}

DWORD WinhostSession::StartPlugin() {
    const std::string answer = Command("shuffle");
    const std::string pid = Field(answer, "pid");
    if (answer.rfind("ok", 0) != 0 || pid.empty()) {
        throw std::runtime_error("winhost did not start the plug-in: " + answer);
    }
    const auto started = static_cast<DWORD>(std::stoul(pid));
    plugins_.try_emplace(started);
    return started;
}

std::optional<DWORD> WinhostSession::WaitForEnd(DWORD processId,
                                                std::chrono::milliseconds timeout) {
    Pump(timeout, [&] { return plugins_[processId].has_value(); });
    return plugins_[processId];
}

bool WinhostSession::WaitForMessages(std::size_t count) {
    return Pump(answerTimeout, [&] { return messages_.size() >= count; });
}

std::optional<DWORD> WinhostSession::Close() {
    if (!exitCode_ && process_.Valid()) {
        if (Command("close").rfind("ok", 0) != 0) {
            return std::nullopt;
        }
        if (::WaitForSingleObject(process_.Get(), 30000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(process_.Get(), &code);
            exitCode_ = code;
        }
    }
    return exitCode_;
}

void WinhostSession::EndEverything() {
    // Plug-ins that still run would keep the next test from starting one (single instance).
    for (auto& [pid, code] : plugins_) {
        if (!code) {
            const win32::UniqueHandle plugin(
                ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
            if (plugin.Valid()) {
                ::TerminateProcess(plugin.Get(), 137);
                ::WaitForSingleObject(plugin.Get(), 10000);
            }
        }
    }
    if (process_.Valid() && !exitCode_) {
        try {
            Close();
        } catch (const std::exception&) {
            // Ended below.
        }
        if (!exitCode_) {
            ::TerminateProcess(process_.Get(), 137);
            ::WaitForSingleObject(process_.Get(), 10000);
        }
    }
    for (win32::UniqueHandle* handle : {&process_, &input_, &output_}) {
        handle->Reset();
    }
}

std::string WinhostSession::Errors() const {
    std::ifstream in(errors_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace karusello::e2e
