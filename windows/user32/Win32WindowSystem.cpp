#include "windows/user32/Win32WindowSystem.h"

#include "core/app/interfaces/TitleMatch.h"
#include "core/errors/RuntimeError.h"
#include "windows/user32/TopLevelWindows.h"
#include "windows/user32/WindowHandles.h"

namespace karusello {

bool Win32WindowSystem::IsWindow(WindowHandle handle) {
    return handle != 0 && ::IsWindow(ToHwnd(handle)) != FALSE;
}

void Win32WindowSystem::AppActivate(const std::string& title) {
    if (title.empty()) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    const std::vector<TitledWindow> windows = ListTitledWindows();
    const auto match = FindTitle(windows, title);
    if (!match) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    BringToFront(windows[*match].window);
}

std::optional<std::string> Win32WindowSystem::WindowTitle(WindowHandle handle) {
    if (!IsWindow(handle)) {
        return std::nullopt;
    }
    return TitleOf(ToHwnd(handle));
}

} // namespace karusello
