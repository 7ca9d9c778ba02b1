// Where the INI file's atomic replacement keeps its temporary file: beside the file itself,
// hidden, private to the owner while it is written, and gone afterwards. Nothing goes to the
// system's temporary folder, where other users could plant links.
#include "linux/system/IniEngine.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// The names created in a folder while it is watched, and the mode and kind of each one as seen
// right after its creation (while it still existed).
class CreationWatch {
public:
    explicit CreationWatch(const std::string& folder) : folder_(folder) {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(fd_, folder.c_str(), IN_CREATE);
        reader_ = std::thread([this] { Read(); });
    }
    ~CreationWatch() {
        Stop();
        ::close(fd_);
    }
    CreationWatch(const CreationWatch&) = delete;
    CreationWatch& operator=(const CreationWatch&) = delete;

    struct Seen {
        std::string name;
        bool existed = false;
        mode_t mode = 0;
    };
    const std::vector<Seen>& Stop() {
        stop_ = true;
        if (reader_.joinable()) {
            reader_.join();
        }
        return seen_;
    }

private:
    void Read() {
        alignas(inotify_event) char buffer[4096];
        while (!stop_) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 10) <= 0) {
                continue;
            }
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0) {
                continue;
            }
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                Seen seen;
                seen.name = event->len > 0 ? event->name : "";
                struct stat st {};
                if (::lstat((folder_ + "/" + seen.name).c_str(), &st) == 0) {
                    seen.existed = true;
                    seen.mode = st.st_mode;
                }
                seen_.push_back(seen);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

    std::string folder_;
    int fd_ = -1;
    std::atomic<bool> stop_{false};
    std::thread reader_;
    std::vector<Seen> seen_;
};

class ScopedTmpDir {
public:
    explicit ScopedTmpDir(const std::string& folder) {
        if (const char* old = std::getenv("TMPDIR")) {
            old_ = old;
        }
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~ScopedTmpDir() {
        if (old_.empty()) {
            ::unsetenv("TMPDIR");
        } else {
            ::setenv("TMPDIR", old_.c_str(), 1);
        }
    }

private:
    std::string old_;
};

TEST(TemporaryFiles, TheIniReplacementWritesOnlyBesideTheFileAndPrivately) {
    TempFolder hostFolder;
    TempFolder systemTemp;
    const ScopedTmpDir tmpdir(systemTemp.Path());
    const std::string ini = hostFolder.File("brisolan.ini");
    ASSERT_TRUE(ini::WritePrivateProfileString("Global", "DBName", "x", ini));
    ::chmod(ini.c_str(), 0640);

    CreationWatch beside(hostFolder.Path());
    CreationWatch elsewhere(systemTemp.Path());
    // Large values keep each temporary file around long enough to be looked at.
    const std::string large(1 << 20, 'v');
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(
            ini::WritePrivateProfileString("Global", "DBName", large + std::to_string(i), ini));
    }
    const auto seenBeside = beside.Stop();
    EXPECT_TRUE(elsewhere.Stop().empty()) << "nothing is made in the system's temporary folder";

    int lookedAt = 0;
    ASSERT_EQ(seenBeside.size(), 20u);
    for (const auto& seen : seenBeside) {
        EXPECT_EQ(seen.name.rfind(".brisolan.ini.tmp-", 0), 0u) << seen.name;
        if (seen.existed) {
            ++lookedAt;
            EXPECT_TRUE(S_ISREG(seen.mode)) << seen.name;
            EXPECT_EQ(seen.mode & 07777, 0600u) << "others cannot open it while it is written";
        }
    }
    EXPECT_GT(lookedAt, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(hostFolder.Path()), {}), 1);
    struct stat st {};
    ASSERT_EQ(::stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "the file keeps its own mode";
}

} // namespace
} // namespace karusello
