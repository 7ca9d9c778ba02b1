#pragma once

#include <sys/types.h>

namespace karusello::bench {

// The X server for the start-up measurement: the one that DISPLAY names, or else a private Xvfb
// started on first use, named in DISPLAY for this process and its children, and stopped at the
// end of the run.
class XServer {
public:
    static XServer& Shared();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

private:
    XServer();
    pid_t xvfb_ = -1;
};

} // namespace karusello::bench
