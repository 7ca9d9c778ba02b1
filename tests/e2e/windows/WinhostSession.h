#pragma once

#include "windows/system/UniqueHandle.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karusello::e2e {

// The Windows stand-in host on a host folder, driven through its command interface on its
// standard input and output (pipes), as a station's host would be used: it shows a playlist and
// starts the plug-in from its menu entry. It reports every message its windows receive
// ("message ...") and the end of every plug-in it started ("ended pid=<n> exit=<code>"), so the
// test learns both without looking at the processes itself. On destruction plug-ins still running
// are ended and the host is closed, or ended when it does not close.
class WinhostSession {
public:
    // pluginPathUnquoted: the host starts the plug-in with its path bare on the command line.
    WinhostSession(const std::filesystem::path& hostFolder, std::int32_t shownPlaylist,
                   bool pluginPathUnquoted = false);
    ~WinhostSession();
    WinhostSession(const WinhostSession&) = delete;
    WinhostSession& operator=(const WinhostSession&) = delete;

    HWND DbWindow() const { return db_; }
    HWND DjWindow() const { return dj_; }

    // Sends one command and gives its answer, the line starting with "ok" or "error"; other
    // lines in between are sorted away. Throws when the host gives no answer in time.
    std::string Command(const std::string& line);
    // Picks the plug-in's menu entry (the command "shuffle"); the plug-in's process id.
    DWORD StartPlugin();
    // The plug-in's exit code once it ended within the time; nothing while it still runs.
    std::optional<DWORD> WaitForEnd(DWORD processId, std::chrono::milliseconds timeout);
    // The message lines received so far, in order; waits until there are at least count.
    bool WaitForMessages(std::size_t count);
    const std::vector<std::string>& Messages() const { return messages_; }
    // Sends "close" and waits for the host to end; its exit code.
    std::optional<DWORD> Close();
    // What the host and the plug-ins wrote on their error output, for failure reports.
    std::string Errors() const;
    const std::filesystem::path& LogFile() const { return log_; }

private:
    // Reads and sorts lines until done() holds or the time is up; false then.
    template <typename Done> bool Pump(std::chrono::milliseconds timeout, Done done);
    void ReadAvailable();
    void Sort(const std::string& line);
    void Spawn(const std::wstring& commandLine, const std::filesystem::path& folder);
    void EndEverything();

    std::filesystem::path errors_;
    std::filesystem::path log_;
    win32::UniqueHandle process_;
    win32::UniqueHandle input_;
    win32::UniqueHandle output_;
    bool outputEnded_ = false;
    std::string pending_;
    std::vector<std::string> answers_;
    std::vector<std::string> messages_;
    std::map<DWORD, std::optional<DWORD>> plugins_;
    std::optional<DWORD> exitCode_;
    HWND db_ = nullptr;
    HWND dj_ = nullptr;
};

// The value of one "key=value" word of a line, empty when the key is not there.
std::string Field(const std::string& line, const std::string& key);

} // namespace karusello::e2e
