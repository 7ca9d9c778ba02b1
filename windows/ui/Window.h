#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace karusello {

// Destroys a window that this program created, unless it is gone already (a child goes with
// its parent).
struct WindowDestroyer {
    void operator()(HWND window) const noexcept {
        if (IsWindow(window) != FALSE) {
            DestroyWindow(window);
        }
    }
};

using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// True for a window that belongs to this process.
bool IsWindowOfThisProcess(HWND window);

// A window of a class of this program's own: its messages go to OnMessage of the object that
// created it. One small class per kind of window instead of one big window procedure.
class Window {
public:
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const noexcept { return hwnd_.get(); }

    // The object of a window of one of this program's classes; null for any other window.
    static Window* FromHwnd(HWND window);

protected:
    Window() = default;

    // Registers the class on first use and creates the window; a failure is a RuntimeError.
    void Create(const wchar_t* className, DWORD exStyle, DWORD style, POINT at, SIZE size,
                HWND parent, int id = 0);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Destroys the window now, while the derived object still handles its last messages.
    void DestroyNow() { hwnd_.reset(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow hwnd_;
};

// The window's text, read and written as UTF-8.
std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

} // namespace karusello
