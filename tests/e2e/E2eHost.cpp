#include "E2eHost.h"

#include "tests/support/FileText.h"
#include "tests/support/PluginFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace karusello::e2e {

E2eHost::E2eHost() {
    std::string templ = (std::filesystem::temp_directory_path() / "karusello-e2e-XXXXXX").string();
    root_ = ::mkdtemp(templ.data());
    folder_ = root_ / "host";
    runtimeDir_ = root_ / "run";
    output_ = root_ / "output.txt";
    test::MakeRuntimeFolder(runtimeDir_);

    auto generator = Start(DEMOHOST_EXE, {folder_.string()});
    if (generator->WaitFor(std::chrono::seconds(60)) != 0) {
        throw std::runtime_error("the demo host generator failed: " + Output());
    }
    test::LinkPlugin(KARUSELLO_EXE, Plugin());
}

E2eHost::~E2eHost() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string E2eHost::IniText() const {
    return test::ReadText(Ini());
}

void E2eHost::WriteIniText(const std::string& text) const {
    std::ofstream(Ini(), std::ios::binary | std::ios::trunc) << text;
}

void E2eHost::PublishHandles(std::uint32_t db, std::uint32_t dj) const {
    test::PublishHandles(Ini(), db, dj);
}

std::unique_ptr<ChildProcess> E2eHost::StartPlugin(const std::vector<std::string>& args) {
    return Start(Plugin().string(), args);
}

std::unique_ptr<ChildProcess> E2eHost::Start(const std::string& program,
                                             const std::vector<std::string>& args) {
    auto environment = test::PluginEnvironment(runtimeDir_);
    for (const auto& [name, value] : environment_) {
        environment[name] = value;
    }
    return std::make_unique<ChildProcess>(program, args, environment, output_);
}

std::string E2eHost::Output() const {
    return test::ReadText(output_);
}

} // namespace karusello::e2e
