#pragma once

#include "tools/hostcore/HostCommand.h"
#include "tools/hostcore/HostIni.h"
#include "tools/hostcore/Playlist.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karusello::hostsim {

// What the host's windows do for the controller. Without a display there are no windows, and
// a front end that does nothing stands in.
class HostFrontEnd {
public:
    virtual ~HostFrontEnd() = default;

    // The playlists offered in the chooser, and which one is chosen.
    virtual void ShowPlaylists(const std::vector<PlaylistInfo>& playlists,
                               std::int32_t shownNid) = 0;
    // The shown playlist; none when the database has no playlist with this nid.
    virtual void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) = 0;
    // A received message, as logged.
    virtual void ShowMessage(const std::string& line) = 0;
    // The handles of the windows that are open (X window ids, HWNDs); none without windows.
    virtual std::optional<WindowHandles> Handles() const = 0;
    // Closes one window (the window system knows it no more); false when it was not open.
    virtual bool CloseWindow(HostWindow window) = 0;
    // Closes everything and ends the host once the current event has been handled.
    virtual void Quit() = 0;
    // Both windows side by side in one PNG file; throws std::runtime_error.
    virtual void Screenshot(const std::filesystem::path& file) = 0;
};

// Starts the plug-in as a process of its own that outlives the host.
class PluginStarter {
public:
    virtual ~PluginStarter() = default;
    // Returns the process id; throws std::runtime_error when it cannot be started.
    virtual std::int64_t Start(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments,
                               const std::filesystem::path& workingFolder) = 0;
};

} // namespace karusello::hostsim
