#include "tools/hostcore/HostController.h"

#include <exception>
#include <stdexcept>
#include <utility>

namespace karusello::hostsim {
namespace {

std::string JoinSids(const std::vector<PlaylistEntry>& entries) {
    std::string text;
    for (const PlaylistEntry& entry : entries) {
        text += text.empty() ? "" : ",";
        text += entry.sid ? std::to_string(*entry.sid) : "null";
    }
    return text;
}

std::string JoinPlids(const std::vector<PlaylistEntry>& entries) {
    std::string text;
    for (const PlaylistEntry& entry : entries) {
        text += (text.empty() ? "" : ",") + std::to_string(entry.plid);
    }
    return text;
}

std::string GridText(const std::optional<std::int32_t>& grid) {
    return grid ? std::to_string(*grid) : "null";
}

} // namespace

HostController::HostController(PlaylistStore& database, HostFrontEnd& frontEnd,
                               PluginStarter& starter, MessageLog& log,
                               std::filesystem::path plugin)
    : database_(database), frontEnd_(frontEnd), starter_(starter), log_(log),
      plugin_(std::move(plugin)) {}

void HostController::Start(std::optional<std::int32_t> show) {
    if (!show) {
        const std::vector<PlaylistInfo> playlists = database_.Playlists();
        show = playlists.empty() ? 0 : playlists.front().nid;
    }
    shownNid_ = *show;
    Reload();
}

std::string HostController::Execute(std::string_view line) {
    try {
        return Run(ParseHostCommand(line));
    } catch (const std::exception& error) {
        return std::string("error ") + error.what();
    }
}

std::string HostController::Run(const HostCommand& command) {
    switch (command.kind) {
    case CommandKind::Show:
        Show(command.nid);
        return "ok " + DescribeShown();
    case CommandKind::Order:
        return "ok " + DescribeOrder();
    case CommandKind::Rename:
        Rename(command.nid, command.text);
        return "ok";
    case CommandKind::Grid:
        SetGrid(command.nid, command.grid);
        return "ok";
    case CommandKind::Delete:
        Delete(command.nid);
        return "ok";
    case CommandKind::Add: {
        const std::int32_t n = database_.AddEntries(command.nid, command.count);
        Reload();
        return "ok entries=" + std::to_string(n);
    }
    case CommandKind::Remove: {
        const std::int32_t n =
            database_.RemoveEntries(command.nid, command.count, command.position);
        Reload();
        return "ok entries=" + std::to_string(n);
    }
    case CommandKind::Shuffle:
        return "ok pid=" + std::to_string(StartPlugin());
    case CommandKind::Handles:
        return "ok " + DescribeHandles();
    case CommandKind::Close:
        if (command.window) {
            if (!frontEnd_.CloseWindow(*command.window)) {
                throw std::runtime_error(std::string(WindowName(*command.window)) + " is not open");
            }
        } else {
            frontEnd_.Quit();
        }
        return "ok";
    case CommandKind::Screenshot:
        frontEnd_.Screenshot(command.text);
        return "ok " + command.text;
    }
    throw std::logic_error("unhandled command");
}

void HostController::Receive(const HostMessage& message) {
    const std::string line = FormatMessageLine(NameOfWindow(message.window), message);
    log_.Record(line);
    frontEnd_.ShowMessage(line);
    if (message.values[0] == playlistChanged) {
        Reload();
    }
}

void HostController::Show(std::int32_t nid) {
    if (!database_.Read(nid)) {
        throw std::runtime_error("no playlist " + std::to_string(nid));
    }
    shownNid_ = nid;
    Reload();
}

void HostController::Rename(std::int32_t nid, const std::string& name) {
    database_.Rename(nid, name);
    Reload();
}

void HostController::SetGrid(std::int32_t nid, std::optional<std::int32_t> grid) {
    database_.SetGrid(nid, grid);
    Reload();
}

void HostController::Delete(std::int32_t nid) {
    database_.Delete(nid);
    Reload();
}

std::int64_t HostController::StartPlugin() {
    std::error_code error;
    if (!std::filesystem::is_regular_file(plugin_, error)) {
        throw std::runtime_error("no plug-in at " + plugin_.string());
    }
    return starter_.Start(plugin_, {std::to_string(shownNid_)}, plugin_.parent_path());
}

void HostController::Reload() {
    frontEnd_.ShowPlaylists(database_.Playlists(), shownNid_);
    shown_ = database_.Read(shownNid_);
    frontEnd_.ShowPlaylist(shownNid_, shown_);
}

std::string HostController::DescribeShown() const {
    return "nid=" + std::to_string(shownNid_) + " grid=" + GridText(shown_->info.grid) +
           " entries=" + std::to_string(shown_->entries.size()) +
           " name=" + DisplayName(shown_->info);
}

std::string HostController::DescribeOrder() const {
    if (!shown_) {
        return "nid=" + std::to_string(shownNid_) + " missing sids= plids=";
    }
    return "nid=" + std::to_string(shownNid_) + " sids=" + JoinSids(shown_->entries) +
           " plids=" + JoinPlids(shown_->entries);
}

std::string HostController::DescribeHandles() const {
    const auto handles = frontEnd_.Handles();
    if (!handles) {
        throw std::runtime_error("no windows");
    }
    return "DB=" + std::to_string(handles->db) + " DJ=" + std::to_string(handles->dj);
}

std::string_view HostController::NameOfWindow(std::uint32_t window) const {
    const auto handles = frontEnd_.Handles();
    if (handles && window != 0 && window == handles->db) {
        return "DB";
    }
    if (handles && window != 0 && window == handles->dj) {
        return "DJ";
    }
    return "other";
}

} // namespace karusello::hostsim
