#include "bench/PeakMemory.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karusello::bench {

long long PeakBytesOfChild(const std::function<void()>& work) {
    std::fflush(nullptr); // nothing buffered is written twice
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        int code = 0;
        try {
            work();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "child failed: %s\n", e.what());
            code = 1;
        }
        // No destructors of the parent's objects: they own its temporary folder.
        ::_exit(code);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the measured child process failed");
    }
    return static_cast<long long>(usage.ru_maxrss) * 1024; // ru_maxrss is in KiB
}

} // namespace karusello::bench
