#pragma once

#include "windows/user32/Win32MessageControl.h"

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace karusello::test {

// A top-level window of the test with a title, shown or minimised; it records the messages
// from WM_USER on that reach it.
class TestWindow {
public:
    explicit TestWindow(const std::string& title, int show = SW_SHOWNOACTIVATE);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    std::vector<WindowMessage> Received() const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<WindowMessage> received_;
};

// A test window that lives on a thread of its own, as a host window lives in another program:
// the thread handles its messages until the object goes, or stops handling them while Hold()
// is in force.
class WindowOnThread {
public:
    explicit WindowOnThread(const std::string& title);
    ~WindowOnThread();

    HWND Hwnd() const { return hwnd_; }
    std::vector<WindowMessage> Received() const { return window_->Received(); }
    // The thread stops answering (it waits outside its message loop) until Release().
    void Hold();
    void Release();

private:
    void Run(const std::string& title);

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    TestWindow* window_ = nullptr;
    HWND hwnd_ = nullptr;
    DWORD threadId_ = 0;
    bool held_ = false;
    bool holding_ = false;
};

// A title that no other test program's windows carry (they share Wine's desktop).
std::string UniqueTitle(const std::string& stem);

} // namespace karusello::test
