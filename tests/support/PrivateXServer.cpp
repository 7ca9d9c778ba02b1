#include "tests/support/PrivateXServer.h"

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace karusello::test {

PrivateXServer::PrivateXServer() {
    int ready[2];
    if (::pipe(ready) != 0) {
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(ready[0]);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(ready[1]);
        // Xvfb picks a free display itself and writes its number to the descriptor once it
        // accepts connections. -noreset: no reset between the test's connections.
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "640x480x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    if (pid_ < 0) {
        ::close(ready[0]);
        return;
    }
    std::string number;
    char c = 0;
    while (::read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(ready[0]);
    if (!number.empty()) {
        display_ = ":" + number;
    }
}

PrivateXServer::~PrivateXServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

} // namespace karusello::test
