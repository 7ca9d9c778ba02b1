#pragma once

#include "core/app/interfaces/SkinControl.h"
#include "core/skin/SkinSettings.h"

#include <QImage>

namespace karusello {

// The skin component Skin1 for Qt windows: it loads a skin file of our own format
// (docs/skin-format.md) and gives windows of this program its look, found by their handles.
class QtSkinControl : public SkinControl {
public:
    void LoadSkin(const std::string& path) override;
    // A handle of no window of this program is RuntimeError(errnum::InvalidProcedureCall).
    void ApplySkin(WindowHandle window) override;
    void RedrawSkinned(WindowHandle window) override;

    const SkinSettings& Settings() const { return settings_; }

private:
    SkinSettings settings_;
    QImage background_;
};

} // namespace karusello
