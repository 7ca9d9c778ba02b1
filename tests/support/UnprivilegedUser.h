#pragma once

// Runs part of a test as an ordinary user. Permission bits do not stop root, and CI runs the
// tests as root, so a check that refused access is handled would pass there for the wrong
// reason; under root the part runs in a child that has become the user "nobody".

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karusello::test {

struct UserIds {
    uid_t uid;
    gid_t gid;
};

// "nobody" when this process is root, this process's own user otherwise.
inline UserIds UnprivilegedUser() {
    if (::geteuid() != 0) {
        return {::geteuid(), ::getegid()};
    }
    if (const passwd* nobody = ::getpwnam("nobody")) {
        return {nobody->pw_uid, nobody->pw_gid};
    }
    return {65534, 65534};
}

// Gives the file or folder, with everything in a folder, to that user, so that the owner's
// permission bits are the ones that count for the part.
inline void HandToUnprivilegedUser(const std::filesystem::path& path) {
    const UserIds user = UnprivilegedUser();
    if (::lchown(path.c_str(), user.uid, user.gid) != 0) {
        throw std::filesystem::filesystem_error("cannot hand over", path,
                                                std::error_code(errno, std::generic_category()));
    }
    if (std::filesystem::is_directory(path) && !std::filesystem::is_symlink(path)) {
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            HandToUnprivilegedUser(entry.path());
        }
    }
}

// Runs the part in a forked child as that user and returns the child's exit code: 0 when the
// part's assertions held, 1 when one failed (the child reports it), 2 when the part threw, 3
// when the child could not become that user, 128 plus the signal that ended it. The child ends
// with _exit, so that nothing of the parent's at-exit work runs twice.
inline int RunAsUnprivilegedUser(const std::function<void()>& part) {
    const UserIds user = UnprivilegedUser();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 3;
        const bool root = ::geteuid() == 0;
        if ((!root || ::setgroups(0, nullptr) == 0) && ::setgid(user.gid) == 0 &&
            ::setuid(user.uid) == 0 && (!root || ::geteuid() != 0)) {
            try {
                part();
                code = ::testing::Test::HasFailure() ? 1 : 0;
            } catch (const std::exception& error) {
                std::fprintf(stderr, "the part run as an ordinary user threw: %s\n", error.what());
                code = 2;
            }
        }
        std::fflush(nullptr);
        ::_exit(code);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace karusello::test
