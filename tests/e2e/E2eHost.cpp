#include "E2eHost.h"

#include "tests/support/FileText.h"

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
    std::filesystem::create_directory(runtimeDir_);
    std::filesystem::permissions(runtimeDir_, std::filesystem::perms::owner_all);

    auto generator = Start(DEMOHOST_EXE, {folder_.string()});
    if (generator->WaitFor(std::chrono::seconds(60)) != 0) {
        throw std::runtime_error("the demo host generator failed: " + Output());
    }
    std::error_code linkError;
    std::filesystem::create_hard_link(KARUSELLO_EXE, Plugin(), linkError);
    if (linkError) {
        std::filesystem::copy_file(KARUSELLO_EXE, Plugin());
    }
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
    // The demo host leaves an empty section "Message" for the host to fill.
    std::string text = IniText();
    const std::string header = "[Message]\r\n";
    const std::string keys =
        "Handle.DB=" + std::to_string(db) + "\r\nHandle.DJ=" + std::to_string(dj) + "\r\n";
    const auto at = text.find(header);
    if (at == std::string::npos) {
        text += header + keys;
    } else {
        text.insert(at + header.size(), keys);
    }
    WriteIniText(text);
}

std::unique_ptr<ChildProcess> E2eHost::StartPlugin(const std::vector<std::string>& args) {
    return Start(Plugin().string(), args);
}

std::unique_ptr<ChildProcess> E2eHost::Start(const std::string& program,
                                             const std::vector<std::string>& args) {
    return std::make_unique<ChildProcess>(
        program, args,
        std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtimeDir_.string()},
                                           {"KARUSELLO_NO_ERROR_DIALOG", "1"},
                                           {"QT_QPA_PLATFORM", "xcb"}},
        output_);
}

std::string E2eHost::Output() const {
    return test::ReadText(output_);
}

} // namespace karusello::e2e
