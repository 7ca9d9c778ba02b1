#include "TestWindows.h"

#include "windows/system/Utf16.h"

namespace karusello::test {

namespace {

constexpr wchar_t ClassName[] = L"KaruselloTestWindow";
// Posted to a WindowOnThread to make it wait until released.
constexpr UINT HoldMessage = WM_APP + 1;

void RegisterOnce(WNDPROC procedure) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), ClassName, &known) != FALSE) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

TestWindow::TestWindow(const std::string& title, int show) {
    RegisterOnce(&Procedure);
    hwnd_ = CreateWindowExW(0, ClassName, win32::WideFromUtf8(title).c_str(), WS_OVERLAPPEDWINDOW,
                            40, 40, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(hwnd_, show);
}

TestWindow::~TestWindow() {
    if (IsWindow(hwnd_) != FALSE) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

std::vector<WindowMessage> TestWindow::Received() const {
    const std::lock_guard lock(mutex_);
    return received_;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message >= WM_USER && message < WM_APP) {
        const std::lock_guard lock(self->mutex_);
        self->received_.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

WindowOnThread::WindowOnThread(const std::string& title) {
    thread_ = std::thread([this, title] { Run(title); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return hwnd_ != nullptr; });
}

WindowOnThread::~WindowOnThread() {
    Release();
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void WindowOnThread::Run(const std::string& title) {
    TestWindow window(title);
    {
        const std::lock_guard lock(mutex_);
        window_ = &window;
        threadId_ = GetCurrentThreadId();
        hwnd_ = window.Hwnd();
    }
    changed_.notify_all();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == HoldMessage) {
            std::unique_lock lock(mutex_);
            holding_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return !held_; });
            holding_ = false;
            continue;
        }
        DispatchMessageW(&message);
    }
    const std::lock_guard lock(mutex_);
    window_ = nullptr;
}

void WindowOnThread::Hold() {
    std::unique_lock lock(mutex_);
    held_ = true;
    PostThreadMessageW(threadId_, HoldMessage, 0, 0);
    changed_.wait(lock, [this] { return holding_; });
}

void WindowOnThread::Release() {
    {
        const std::lock_guard lock(mutex_);
        held_ = false;
    }
    changed_.notify_all();
}

std::string UniqueTitle(const std::string& stem) {
    return stem + " " + std::to_string(GetCurrentProcessId());
}

} // namespace karusello::test
