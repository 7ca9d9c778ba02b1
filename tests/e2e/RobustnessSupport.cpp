#include "RobustnessSupport.h"

#include "tests/support/FileText.h"
#include "tests/support/ImmutableFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <set>
#include <sstream>
#include <stdexcept>
#include <sys/ioctl.h>
#include <unistd.h>

namespace karusello::e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using test::ReadText;
using test::SetImmutable;

} // namespace

HostDb::HostDb(const E2eHost& host)
    : file_(host.Folder() / "brisolan.mdb"), output_(host.Folder().parent_path() / "sql.txt") {}

std::string HostDb::Run(const std::string& sql) const {
    std::error_code ignored;
    fs::remove(output_, ignored);
    // The tool waits for locks as long as the program does.
    ChildProcess tool(kSqlite3, {"-batch", "-cmd", ".timeout 10000", file_.string(), sql}, {},
                      output_);
    if (tool.WaitFor(60s) != 0) {
        throw std::runtime_error("sqlite3 failed on: " + sql + "\n" + ReadText(output_));
    }
    return ReadText(output_);
}

Order HostDb::SortValues(std::int32_t pnid) const {
    std::istringstream lines(Run("select ifnull(sid, 'NULL') from pl_all where pnid=" +
                                 std::to_string(pnid) + " order by plid"));
    Order values;
    std::string line;
    while (std::getline(lines, line)) {
        values.push_back(line == "NULL" ? kNullSid : std::stoll(line));
    }
    return values;
}

std::string HostDb::IntegrityCheck() const {
    std::string result = Run("PRAGMA integrity_check");
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) {
        result.pop_back();
    }
    return result;
}

void HostDb::Reset(std::int32_t pnid) const {
    const std::string id = std::to_string(pnid);
    Run("update pl_all set sid = plid - (select min(plid) from pl_all where pnid=" + id +
        ") + 1 where pnid=" + id);
}

void MakeHostWithBigPlaylist(E2eHost& host, std::int32_t entries) {
    auto generator = host.Start(
        DEMOHOST_EXE, {host.Folder().string(), "--force", "--big", std::to_string(entries)});
    if (generator->WaitFor(120s) != 0) {
        throw std::runtime_error("the demo host generator failed: " + host.Output());
    }
}

void InstallPlugin(E2eHost& host) {
    auto first = host.StartPlugin({"17"});
    if (first->WaitFor(30s) != 2) {
        throw std::runtime_error("the first start did not install: " + host.Output());
    }
}

xcb_window_t WaitForPluginWindow(XDisplay& x, ChildProcess& run) {
    xcb_window_t window = 0;
    WaitUntil(
        [&] {
            if (!run.Running()) {
                return true;
            }
            const auto windows = x.WindowsTitled("Brisolan Karusello");
            if (!windows.empty() && x.Viewable(windows.front())) {
                window = windows.front();
                return true;
            }
            return false;
        },
        30000);
    if (window != 0) {
        // Let the window take its first paint before it is clicked.
        std::this_thread::sleep_for(300ms);
    }
    return window;
}

bool Click(XDisplay& x, xcb_window_t window, const Geometry& button) {
    // The buttons are native windows of their own; the click goes to the middle of the one at
    // that place, or to that place in the window when there is none.
    xcb_window_t target = window;
    int px = button.x + button.width / 2;
    int py = button.y + button.height / 2;
    for (xcb_window_t child : x.ChildrenOf(window)) {
        const auto g = x.GeometryOf(child);
        if (g && g->x == button.x && g->y == button.y && g->width == button.width &&
            g->height == button.height) {
            target = child;
            px = button.width / 2;
            py = button.height / 2;
        }
    }
    const fs::path output =
        fs::temp_directory_path() / ("karusello-xdotool-" + std::to_string(::getpid()) + ".txt");
    ChildProcess tool(kXdotool,
                      {"mousemove", "--window", std::to_string(target), std::to_string(px),
                       std::to_string(py), "click", "1"},
                      {}, output);
    const bool ok = tool.WaitFor(10s) == 0;
    std::error_code ignored;
    fs::remove(output, ignored);
    return ok;
}

std::size_t ChangedRows(const Order& a, const Order& b) {
    std::size_t changed = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        changed += a[i] != b[i] ? 1 : 0;
    }
    return changed;
}

bool IsCompleteShuffle(const Order& values, std::int32_t entries) {
    const std::set<std::int64_t> distinct(values.begin(), values.end());
    return values.size() == static_cast<std::size_t>(entries) && distinct.size() == values.size() &&
           *distinct.begin() >= 0 && *distinct.rbegin() <= entries + 99;
}

Unwritable::Unwritable(fs::path file) : file_(std::move(file)) {
    if (::geteuid() != 0) {
        fs::permissions(file_, fs::perms::owner_read);
        how_ = How::Permissions;
    } else if (SetImmutable(file_, true)) {
        how_ = How::Immutable;
    } else {
        reason_ = "running as root, and the file system refuses the immutable flag (errno " +
                  std::to_string(errno) + ")";
    }
}

Unwritable::~Unwritable() {
    if (how_ == How::Immutable) {
        SetImmutable(file_, false);
    } else if (how_ == How::Permissions) {
        fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    }
}

int TemporaryIniFiles(const E2eHost& host) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(host.Folder())) {
        if (entry.path().filename().string().starts_with(".brisolan.ini.tmp-")) {
            ++count;
        }
    }
    return count;
}

} // namespace karusello::e2e
