#pragma once

#include "tests/support/ChildProcess.h"
#include "tests/support/XDisplay.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace karusello::e2e {

using test::ChildProcess;
using test::Geometry;
using test::XDisplay;

// A host folder made by the demo host generator with the plug-in linked into it, and the
// environment the plug-in runs in: its own lock folder and no error dialogs.
class E2eHost {
public:
    E2eHost();
    ~E2eHost();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path Plugin() const { return folder_ / "karusello"; }
    std::filesystem::path Ini() const { return folder_ / "brisolan.ini"; }
    std::string IniText() const;
    void WriteIniText(const std::string& text) const;
    // Publishes host window handles as the host does.
    void PublishHandles(std::uint32_t db, std::uint32_t dj) const;

    // Sets a variable in the environment of every program started from now on.
    void SetEnvironment(const std::string& name, const std::string& value) {
        environment_[name] = value;
    }
    std::unique_ptr<ChildProcess> StartPlugin(const std::vector<std::string>& args);
    std::unique_ptr<ChildProcess> Start(const std::string& program,
                                        const std::vector<std::string>& args);
    std::string Output() const;

private:
    std::filesystem::path root_;
    std::filesystem::path folder_;
    std::filesystem::path runtimeDir_;
    std::filesystem::path output_;
    std::map<std::string, std::string> environment_;
};

// Waits until a condition holds or the time is up; true when it held.
template <typename Condition> bool WaitUntil(Condition condition, int milliseconds = 10000);

} // namespace karusello::e2e

#include <chrono>
#include <thread>

template <typename Condition>
bool karusello::e2e::WaitUntil(Condition condition, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}
