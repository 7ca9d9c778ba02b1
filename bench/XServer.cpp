#include "bench/XServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace karusello::bench {

namespace {

// Xvfb writes its display number and a line feed to the -displayfd descriptor once it accepts
// connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    while (true) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 20000) <= 0 || ::read(fd, &c, 1) != 1) {
            throw std::runtime_error("Xvfb did not start (is the package xvfb installed?)");
        }
        if (c == '\n') {
            return number;
        }
        number += c;
    }
}

} // namespace

XServer& XServer::Shared() {
    static XServer server;
    return server;
}

XServer::XServer() {
    if (const char* display = std::getenv("DISPLAY"); display != nullptr && *display != '\0') {
        return;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    xvfb_ = ::fork();
    if (xvfb_ == 0) {
        ::fcntl(fds[1], F_SETFD, 0);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    try {
        const std::string number = ReadDisplayNumber(fds[0]);
        ::close(fds[0]);
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
    } catch (...) {
        ::close(fds[0]);
        ::kill(xvfb_, SIGKILL);
        ::waitpid(xvfb_, nullptr, 0);
        throw;
    }
}

XServer::~XServer() {
    if (xvfb_ > 0) {
        ::kill(xvfb_, SIGTERM);
        while (::waitpid(xvfb_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

} // namespace karusello::bench
