#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karusello::e2e {

// The host simulator on a fresh demo host, driven through its command interface on its standard
// input and output. The plug-in processes that it starts are adopted by the test process (it
// becomes their subreaper), so a test learns their exit codes and no process outlives the test:
// on destruction the plug-ins are killed and hostsim is closed, or killed when it does not end.
class HostsimDriver {
public:
    static bool Available();

    explicit HostsimDriver(std::int32_t shownPlaylist);
    ~HostsimDriver();
    HostsimDriver(const HostsimDriver&) = delete;
    HostsimDriver& operator=(const HostsimDriver&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    // A folder of the test's own, removed with the driver.
    const std::filesystem::path& Scratch() const { return root_; }
    std::filesystem::path Ini() const { return folder_ / "brisolan.ini"; }
    std::filesystem::path Database() const { return folder_ / "brisolan.mdb"; }
    std::uint32_t DbHandle() const { return db_; }
    std::uint32_t DjHandle() const { return dj_; }

    // Sends one command and gives its answer, the line starting with "ok" or "error"; message
    // lines in between are skipped. Throws when hostsim gives no answer in time.
    std::string Command(const std::string& line);
    // Starts the plug-in on the shown playlist; its process id.
    pid_t StartPlugin();
    // Sends "close" and waits for hostsim to end; its exit code, nothing when it did not end.
    std::optional<int> Close();

    // The plug-in's exit code once it ended within the time; nothing while it still runs.
    // An ended plug-in that was not adopted reads as kUnknownExit.
    std::optional<int> WaitForPluginEnd(pid_t pid, std::chrono::milliseconds timeout);
    bool PluginRunning(pid_t pid) { return !WaitForPluginEnd(pid, std::chrono::milliseconds(0)); }
    static constexpr int kUnknownExit = -1;

    // The message lines of the --log file, in the order received.
    std::vector<std::string> Messages() const;
    bool WaitForMessages(std::size_t count);
    // What hostsim and the plug-ins wrote on standard error, for failure reports.
    std::string Errors() const;

private:
    void Spawn(const std::vector<std::string>& args);
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
    void WaitForReady();
    void EndPlugins();
    void EndHostsim();

    std::filesystem::path root_;
    std::filesystem::path folder_;
    std::filesystem::path log_;
    std::filesystem::path errors_;
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string pending_;
    std::optional<int> exitCode_;
    std::uint32_t db_ = 0;
    std::uint32_t dj_ = 0;
    std::map<pid_t, std::optional<int>> plugins_;
};

// The value of one "key=value" word of an answer line, empty when the key is not there.
std::string AnswerField(const std::string& answer, const std::string& key);

} // namespace karusello::e2e
