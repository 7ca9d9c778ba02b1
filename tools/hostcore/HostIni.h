#pragma once

#include "core/config/ToolBox.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace karusello::hostsim {

// The two window handles that the host publishes for its plug-ins.
struct WindowHandles {
    std::uint32_t db = 0;
    std::uint32_t dj = 0;
};

// The host's side of its INI file "brisolan.ini": publishing and withdrawing the window handles,
// and the plug-in entry and database path that the host reads. Writes go through ToolBox, which
// keeps every other byte of the file as it was.
class HostIni {
public:
    explicit HostIni(const std::filesystem::path& hostFolder);

    const std::filesystem::path& Path() const { return path_; }

    // Writes "Message" / "Handle.DB" and "Handle.DJ" as decimal numbers and reads them back.
    // Throws std::runtime_error when the file does not hold them afterwards.
    void PublishHandles(const WindowHandles& handles);

    // Removes the two keys, each only while it still holds this host's handle: another host
    // that has published its own windows since keeps them.
    void WithdrawHandles(const WindowHandles& handles);

    // The handles as the file holds them now (0 for a missing or unreadable key).
    WindowHandles ReadHandles();

    // The menu text of the plug-in whose executable is named exeName ("PLUGIN_Menu"), or
    // "Shuffle Playlist" when the plug-in has not written one.
    std::string PluginMenuText(const std::string& exeName);

    // The database named by "Global" / "DBName" when that file exists, else brisolan.mdb in
    // the host folder.
    std::filesystem::path DatabasePath();

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    ToolBox toolBox_;
};

// The handles stay in the INI file exactly as long as this lives, however the host ends. A
// failure to withdraw them is reported on standard error under the host's name.
class PublishedHandles {
public:
    PublishedHandles(HostIni& ini, const WindowHandles& handles, std::string hostName);
    ~PublishedHandles();
    PublishedHandles(const PublishedHandles&) = delete;
    PublishedHandles& operator=(const PublishedHandles&) = delete;

private:
    HostIni& ini_;
    WindowHandles handles_;
    std::string hostName_;
};

} // namespace karusello::hostsim
