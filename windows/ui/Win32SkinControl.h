#pragma once

#include "core/app/interfaces/SkinControl.h"
#include "windows/ui/SkinPainter.h"

#include <memory>

namespace karusello {

// The skin component Skin1 for the Win32 window: it loads a skin file of our own format
// (docs/skin-format.md) and gives the window of this program its look with GDI+. Needs a
// GdiplusSession.
class Win32SkinControl : public SkinControl {
public:
    void LoadSkin(const std::string& path) override;
    // A handle of no window of this program is RuntimeError(errnum::InvalidProcedureCall).
    void ApplySkin(WindowHandle window) override;
    void RedrawSkinned(WindowHandle window) override;

    // The loaded skin; null before the first load.
    const SkinPainter* Skin() const { return skin_.get(); }

private:
    std::shared_ptr<const SkinPainter> skin_;
};

} // namespace karusello
