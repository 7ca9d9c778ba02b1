#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace karusello::hostsim {

// Where other threads post to: the plumbing window's handle, copied by value. A post after the
// plumbing has gone fails harmlessly, so a thread that outlives it may hold one.
class PlumbingTarget {
public:
    explicit PlumbingTarget(HWND window) : window_(window) {}
    // From any thread. False when the window is gone.
    bool PostLine(std::string line) const;
    bool PostEnd(DWORD processId, DWORD exitCode) const;

private:
    HWND window_;
};

// A message-only window that carries work from other threads to the main thread, where the
// controller and standard output live: command lines read from standard input, and the ends of
// the plug-in processes. Being message-only, it is no top-level window and receives nothing
// that is meant for the host's windows.
class Plumbing {
public:
    using LineHandler = std::function<void(const std::string& line)>;
    using EndHandler = std::function<void(DWORD processId, DWORD exitCode)>;

    Plumbing(LineHandler onLine, EndHandler onEnd);
    ~Plumbing();
    Plumbing(const Plumbing&) = delete;
    Plumbing& operator=(const Plumbing&) = delete;

    PlumbingTarget Target() const { return PlumbingTarget(window_); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    LineHandler onLine_;
    EndHandler onEnd_;
};

} // namespace karusello::hostsim
