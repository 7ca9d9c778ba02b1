#pragma once

#include "tools/hostcore/HostCommand.h"
#include "tools/hostcore/HostFrontEnd.h"
#include "tools/hostcore/HostMessage.h"
#include "tools/hostcore/MessageLog.h"
#include "tools/hostcore/PlaylistStore.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karusello::hostsim {

// The host's behaviour, apart from its toolkit: which playlist is shown, what the commands and
// menu entries change in the database, the start of the plug-in, and what a received message
// does. The windows and the command reader both call it.
class HostController {
public:
    HostController(PlaylistStore& database, HostFrontEnd& frontEnd, PluginStarter& starter,
                   MessageLog& log, std::filesystem::path plugin);

    // Shows the given playlist, or the one with the lowest nid.
    void Start(std::optional<std::int32_t> show);

    // Runs one command line; the answer starts with "ok" or "error" and is one line.
    std::string Execute(std::string_view line);

    // A message to one of the host's windows: recorded, and a changed playlist is read again.
    void Receive(const HostMessage& message);

    std::int32_t ShownNid() const { return shownNid_; }
    const std::filesystem::path& Plugin() const { return plugin_; }

    // The actions that the windows offer as well; they throw std::runtime_error.
    // Show refuses a playlist that does not exist and keeps the shown one.
    void Show(std::int32_t nid);
    void Rename(std::int32_t nid, const std::string& name);
    void SetGrid(std::int32_t nid, std::optional<std::int32_t> grid);
    void Delete(std::int32_t nid);
    // Starts the plug-in with the shown playlist's nid; returns its process id.
    std::int64_t StartPlugin();
    // Reads the chooser's list and the shown playlist again.
    void Reload();

private:
    std::string Run(const HostCommand& command);
    std::string DescribeShown() const;
    std::string DescribeOrder() const;
    std::string DescribeHandles() const;
    std::string_view NameOfWindow(std::uint32_t window) const;

    PlaylistStore& database_;
    HostFrontEnd& frontEnd_;
    PluginStarter& starter_;
    MessageLog& log_;
    std::filesystem::path plugin_;
    std::int32_t shownNid_ = 0;
    std::optional<Playlist> shown_;
};

} // namespace karusello::hostsim
