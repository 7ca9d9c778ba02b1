#include "windows/ui/Win32SkinControl.h"

#include "core/errors/RuntimeError.h"
#include "core/skin/SkinFile.h"
#include "windows/user32/WindowHandles.h"
#include "windows/ui/RandomPLWindow.h"

namespace karusello {

namespace {

HWND RequireWindow(WindowHandle handle) {
    const HWND window = ToHwnd(handle);
    if (!IsWindowOfThisProcess(window)) {
        throw RuntimeError(errnum::InvalidProcedureCall,
                           StandardErrorText(errnum::InvalidProcedureCall) +
                               ": kein Fenster mit dem Handle " + std::to_string(handle));
    }
    return window;
}

} // namespace

void Win32SkinControl::LoadSkin(const std::string& path) {
    skin_ = std::make_shared<const SkinPainter>(LoadSkinFile(path));
}

// A file that showed nothing of our format leaves the window as it is; so does a window of this
// program that is not the form.
void Win32SkinControl::ApplySkin(WindowHandle window) {
    auto* form = dynamic_cast<RandomPLWindow*>(Window::FromHwnd(RequireWindow(window)));
    if (form != nullptr && skin_ && skin_->Settings().recognised) {
        form->ApplySkin(skin_);
    }
}

void Win32SkinControl::RedrawSkinned(WindowHandle window) {
    RedrawWindow(RequireWindow(window), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace karusello
