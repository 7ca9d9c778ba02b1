#include "tools/winhost/Plumbing.h"

#include <memory>
#include <stdexcept>
#include <utility>

namespace karusello::hostsim {
namespace {

constexpr const wchar_t* className = L"KaruselloWinHostPlumbing";
constexpr UINT lineMessage = WM_APP + 1;
constexpr UINT endMessage = WM_APP + 2;

void RegisterClassOnce(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    if (::RegisterClassW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register the window class of the message plumbing");
    }
}

} // namespace

Plumbing::Plumbing(LineHandler onLine, EndHandler onEnd)
    : onLine_(std::move(onLine)), onEnd_(std::move(onEnd)) {
    RegisterClassOnce(&Procedure);
    window_ = ::CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                ::GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the message plumbing window");
    }
}

Plumbing::~Plumbing() {
    // Lines that came after the end and were never handled.
    MSG pending;
    while (::PeekMessageW(&pending, window_, lineMessage, lineMessage, PM_REMOVE)) {
        delete reinterpret_cast<std::string*>(pending.lParam);
    }
    ::DestroyWindow(window_);
}

bool PlumbingTarget::PostLine(std::string line) const {
    auto owned = std::make_unique<std::string>(std::move(line));
    if (!::PostMessageW(window_, lineMessage, 0, reinterpret_cast<LPARAM>(owned.get()))) {
        return false;
    }
    owned.release();
    return true;
}

bool PlumbingTarget::PostEnd(DWORD processId, DWORD exitCode) const {
    return ::PostMessageW(window_, endMessage, processId, static_cast<LPARAM>(exitCode)) != 0;
}

LRESULT CALLBACK Plumbing::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Plumbing*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message == lineMessage) {
        const std::unique_ptr<std::string> line(reinterpret_cast<std::string*>(lParam));
        self->onLine_(*line);
        return 0;
    }
    if (self != nullptr && message == endMessage) {
        self->onEnd_(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace karusello::hostsim
