#include "linux/process/InstanceLock.h"
#include "core/errors/RuntimeError.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// A runtime folder as the session manager makes it: owned by the user, mode 0700.
struct Places {
    TempFolder runtime;
    TempFolder base;
    LockPlaces Get() const { return {runtime.Path().string(), base / "private"}; }
};

int ErrorNumber(const std::string& name, const LockPlaces& places) {
    try {
        InstanceLock lock(name, places);
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// Runs body in a child process and returns its exit status.
template <typename Body> int InChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(InstanceLock, OneHolderAtATime) {
    Places places;
    {
        InstanceLock first("karusello", places.Get());
        EXPECT_FALSE(first.AnotherInstanceRuns());
        // Another open of the same file, in this process and in another one.
        InstanceLock second("karusello", places.Get());
        EXPECT_TRUE(second.AnotherInstanceRuns());
        EXPECT_EQ(InChild([&] {
                      return InstanceLock("karusello", places.Get()).AnotherInstanceRuns() ? 1 : 0;
                  }),
                  1);
        // Another name is another program.
        EXPECT_FALSE(InstanceLock("karusello2", places.Get()).AnotherInstanceRuns());
        EXPECT_TRUE(fs::exists(places.runtime / "karusello.lock"));
    }
    EXPECT_FALSE(InstanceLock("karusello", places.Get()).AnotherInstanceRuns());
}

TEST(InstanceLock, AKilledHolderLeavesNothingBehind) {
    Places places;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        InstanceLock lock("karusello", places.Get());
        const char held = lock.AnotherInstanceRuns() ? 'n' : 'y';
        [[maybe_unused]] auto written = ::write(ready[1], &held, 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(InstanceLock("karusello", places.Get()).AnotherInstanceRuns());

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_FALSE(InstanceLock("karusello", places.Get()).AnotherInstanceRuns());
}

TEST(InstanceLock, ALinkOrFolderInPlaceOfTheLockFileIsNeverFollowed) {
    Places places;
    TempFolder elsewhere;
    const std::string victim = elsewhere / "victim";
    fs::create_symlink(victim, places.runtime / "dangling.lock");
    EXPECT_EQ(ErrorNumber("dangling", places.Get()), errnum::PathFileAccess);
    EXPECT_FALSE(fs::exists(victim));

    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, places.runtime / "existing.lock");
    EXPECT_EQ(ErrorNumber("existing", places.Get()), errnum::PathFileAccess);
    EXPECT_EQ(fs::file_size(victim), 4u);

    fs::create_directory(places.runtime / "folder.lock");
    EXPECT_EQ(ErrorNumber("folder", places.Get()), errnum::PathFileAccess);
    ::mkfifo((places.runtime / "fifo.lock").c_str(), 0600);
    EXPECT_EQ(ErrorNumber("fifo", places.Get()), errnum::PathFileAccess);

    // A slash in the name stays inside the lock folder.
    EXPECT_FALSE(InstanceLock("../escape", places.Get()).AnotherInstanceRuns());
    EXPECT_TRUE(fs::exists(places.runtime / ".._escape.lock"));
}

TEST(InstanceLock, AnUnsafeRuntimeFolderFallsBackToThePrivateFolder) {
    Places places;
    const std::string privateDir = places.Get().privateDir;
    fs::permissions(places.runtime.Path(), fs::perms(0755));
    {
        InstanceLock lock("open", places.Get());
        EXPECT_FALSE(lock.AnotherInstanceRuns());
    }
    EXPECT_FALSE(fs::exists(places.runtime / "open.lock"));
    EXPECT_TRUE(fs::exists(privateDir + "/open.lock"));
    struct stat info {};
    ASSERT_EQ(::lstat(privateDir.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    // A link to a good folder is not the runtime folder either.
    TempFolder good;
    fs::permissions(places.runtime.Path(), fs::perms(0700));
    const std::string link = places.base / "runtime-link";
    fs::create_symlink(good.Path(), link);
    InstanceLock viaLink("linked", {link, privateDir});
    EXPECT_FALSE(fs::exists(good / "linked.lock"));
    EXPECT_TRUE(fs::exists(privateDir + "/linked.lock"));

    // Unset, the private folder serves.
    InstanceLock unset("unset", {"", privateDir});
    EXPECT_TRUE(fs::exists(privateDir + "/unset.lock"));
}

TEST(InstanceLock, APrivateFolderThatIsNotPrivateIsRefused) {
    TempFolder base;
    TempFolder good;
    const std::string shared = base / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms(0755));
    EXPECT_EQ(ErrorNumber("karusello", {"", shared}), errnum::PathFileAccess);
    EXPECT_FALSE(fs::exists(shared + "/karusello.lock"));

    const std::string planted = base / "planted";
    fs::create_symlink(good.Path(), planted);
    EXPECT_EQ(ErrorNumber("karusello", {"", planted}), errnum::PathFileAccess);
    EXPECT_FALSE(fs::exists(good / "karusello.lock"));

    const std::string file = base / "file";
    std::ofstream(file) << "";
    EXPECT_EQ(ErrorNumber("karusello", {"", file}), errnum::PathFileAccess);

    EXPECT_EQ(ErrorNumber("karusello", {"", base / "no/such/parent"}), errnum::PathFileAccess);

    if (::geteuid() == 0) {
        // A folder of another user, even with the right mode.
        const std::string foreign = base / "foreign";
        fs::create_directory(foreign);
        fs::permissions(foreign, fs::perms(0700));
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        EXPECT_EQ(ErrorNumber("karusello", {"", foreign}), errnum::PathFileAccess);
        EXPECT_EQ(ErrorNumber("karusello", {foreign, base / "private"}), 0);
        EXPECT_FALSE(fs::exists(foreign + "/karusello.lock"));
    }
}

TEST(LockPlaces, RuntimeFolderFromTheEnvironmentElseAPrivateFolderInTmp) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    const std::string privateDir = "/tmp/karusello-" + std::to_string(::geteuid());

    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(DefaultLockPlaces().runtimeDir, "");
    EXPECT_EQ(DefaultLockPlaces().privateDir, privateDir);
    ::setenv("XDG_RUNTIME_DIR", "/run/user/4711", 1);
    EXPECT_EQ(DefaultLockPlaces().runtimeDir, "/run/user/4711");
    EXPECT_EQ(DefaultLockPlaces().privateDir, privateDir);

    if (saved) {
        ::setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
}

} // namespace
} // namespace karusello
