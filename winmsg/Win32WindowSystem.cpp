#include "winmsg/Win32WindowSystem.h"

#include "app/interfaces/TitleMatch.h"
#include "config/RuntimeError.h"
#include "winmsg/TopLevelWindows.h"
#include "winmsg/WindowHandles.h"

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

} // namespace karusello
