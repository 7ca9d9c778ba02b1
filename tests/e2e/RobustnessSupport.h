#pragma once

// Helpers of the robustness and crash-safety tests of the real program: the host database read
// through the sqlite3 command-line tool, clicks on the plug-in's buttons through xdotool, and
// a host folder with a large playlist.

#include "DesktopTools.h"
#include "E2eHost.h"

#include <cstdint>
#include <string>
#include <vector>

namespace karusello::e2e {

// Playlists of the demo host: 17 "Morgenshow" and, with --big, 99 "Großes Archiv".
inline constexpr std::int32_t kSmallPlaylistId = 17;
inline constexpr std::int32_t kBigPlaylistId = 99;

// The buttons' places in the window's client area, in pixels.
inline constexpr Geometry kShuffleButton{315, 105, 91, 26};
inline constexpr Geometry kRestoreButton{8, 104, 139, 26};

// A playlist's sort values in ascending plid; a null sid reads as kNullSid.
using Order = std::vector<std::int64_t>;
inline constexpr std::int64_t kNullSid = INT64_MIN;

// The host's playlist database, reached through the sqlite3 tool as a second program would.
class HostDb {
public:
    explicit HostDb(const E2eHost& host);

    // Runs SQL text and gives what the tool printed (standard output and error).
    std::string Run(const std::string& sql) const;
    Order SortValues(std::int32_t pnid) const;
    std::string IntegrityCheck() const;
    // Gives the playlist's entries the sort values the demo host gave them: 1, 2, 3, ...
    void Reset(std::int32_t pnid) const;

private:
    std::filesystem::path file_;
    std::filesystem::path output_;
};

// Generates the demo host anew, with playlist 99 of that many entries.
void MakeHostWithBigPlaylist(E2eHost& host, std::int32_t entries);
// The first start writes the plug-in entry and ends with exit code 2.
void InstallPlugin(E2eHost& host);

// The plug-in's window once it is shown, or 0 when the program ended or the time ran out.
xcb_window_t WaitForPluginWindow(XDisplay& x, ChildProcess& run);
// A click on the button at that place in the window's client area.
bool Click(XDisplay& x, xcb_window_t window, const Geometry& button);

std::size_t ChangedRows(const Order& a, const Order& b);
// Every value distinct and within 0 .. entries + 99, as a shuffle gives them.
bool IsCompleteShuffle(const Order& values, std::int32_t entries);

// Makes a file unwritable for this process: the immutable flag for root (whom permission bits
// do not stop), the permission bits for everybody else. Undone when it goes out of scope.
class Unwritable {
public:
    explicit Unwritable(std::filesystem::path file);
    ~Unwritable();
    Unwritable(const Unwritable&) = delete;
    Unwritable& operator=(const Unwritable&) = delete;

    bool Done() const { return how_ != How::None; }
    const std::string& Reason() const { return reason_; }

private:
    enum class How { None, Permissions, Immutable };
    std::filesystem::path file_;
    How how_ = How::None;
    std::string reason_;
};

// Temporary files of the INI file's atomic replacement left in the host folder.
int TemporaryIniFiles(const E2eHost& host);

} // namespace karusello::e2e
