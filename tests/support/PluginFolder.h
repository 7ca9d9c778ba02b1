#pragma once

// A host folder set up for the real plug-in by the end-to-end tests and the start-up benchmark:
// the program under the plug-in's name, host window handles in the INI file, and the
// environment that the plug-in runs in.

#include "tests/support/FileText.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace karusello::test {

// The folder for the plug-in's lock, created private to its owner as the system's runtime
// folder is.
inline void MakeRuntimeFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directory(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}

// Its own lock folder, no error dialogs to wait for, and Qt on the X server.
inline std::map<std::string, std::string>
PluginEnvironment(const std::filesystem::path& runtimeFolder) {
    return {{"XDG_RUNTIME_DIR", runtimeFolder.string()},
            {"KARUSELLO_NO_ERROR_DIALOG", "1"},
            {"QT_QPA_PLATFORM", "xcb"}};
}

// The program under the plug-in's name: a hard link, or a copy where no link can be made.
inline void LinkPlugin(const std::filesystem::path& program, const std::filesystem::path& plugin) {
    std::error_code linkError;
    std::filesystem::create_hard_link(program, plugin, linkError);
    if (linkError) {
        std::filesystem::copy_file(program, plugin);
    }
}

// Publishes host window handles in the INI file as the host does; the demo host leaves an empty
// section "Message" for them.
inline void PublishHandles(const std::filesystem::path& ini, std::uint32_t db, std::uint32_t dj) {
    std::string text = ReadText(ini);
    const std::string header = "[Message]\r\n";
    const std::string keys =
        "Handle.DB=" + std::to_string(db) + "\r\nHandle.DJ=" + std::to_string(dj) + "\r\n";
    const auto at = text.find(header);
    if (at == std::string::npos) {
        text += header + keys;
    } else {
        text.insert(at + header.size(), keys);
    }
    std::ofstream(ini, std::ios::binary | std::ios::trunc) << text;
}

} // namespace karusello::test
