#pragma once

#include "core/app/interfaces/WindowHandle.h"

#include <string>

namespace karusello {

// The skin component (Skin1): loads a skin file and gives windows its look.
class SkinControl {
public:
    virtual ~SkinControl() = default;
    // A file that cannot be read is a RuntimeError; content it does not understand is skipped.
    virtual void LoadSkin(const std::string& path) = 0;
    // Skins the window, client area included, without recolouring its controls.
    virtual void ApplySkin(WindowHandle window) = 0;
    // Has the skin redraw the given skinned window once.
    virtual void RedrawSkinned(WindowHandle window) = 0;
};

} // namespace karusello
