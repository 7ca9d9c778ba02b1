// A host database that cannot be written: the shuffle ends with the standard error report and
// leaves the playlist as it was. Permission bits, and for root the immutable flag, are POSIX's.
#include "../BusyHostFixture.h"
#include "tests/support/ImmutableFile.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace karusello::test {
namespace {

// Makes a file unwritable for this process: the immutable flag for root (whom permission bits
// do not stop), the permission bits for everybody else. Undone when it goes out of scope.
class Unwritable {
public:
    explicit Unwritable(const std::filesystem::path& file) : file_(file) {
        if (::geteuid() != 0) {
            std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
            how_ = How::Permissions;
            return;
        }
        if (SetImmutable(true)) {
            how_ = How::Immutable;
        } else {
            reason_ = "running as root, and the file system refuses the immutable flag (errno " +
                      std::to_string(errno) + ")";
        }
    }
    ~Unwritable() {
        if (how_ == How::Immutable) {
            SetImmutable(false);
        } else if (how_ == How::Permissions) {
            std::filesystem::permissions(file_, std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write);
        }
    }
    Unwritable(const Unwritable&) = delete;
    Unwritable& operator=(const Unwritable&) = delete;

    bool Done() const { return how_ != How::None; }
    const std::string& Reason() const { return reason_; }

private:
    bool SetImmutable(bool on) { return test::SetImmutable(file_, on); }

    enum class How { None, Permissions, Immutable };
    std::filesystem::path file_;
    How how_ = How::None;
    std::string reason_;
};

TEST_F(BusyHost, AReadOnlyDatabaseEndsShuffleWithDbReadOnlyAndNothingWritten) {
    StartOn(300);
    Unwritable readOnly(host.DbPath());
    if (!readOnly.Done()) {
        GTEST_SKIP() << readOnly.Reason();
    }
    ExpectErrorReport(Shuffle(), errnum::DbReadOnly);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_FALSE(std::filesystem::exists(host.DbPath().string() + "-journal"));
}

} // namespace
} // namespace karusello::test
