#pragma once

#include "core/app/interfaces/WindowHandle.h"

#include <string>

namespace karusello {

enum class Button { Shuffel, Abbruch, Weiderherstellen };

// The control of a window class (any toolkit's) that carries cmdShuffel, cmdAbbruch and
// cmdWeiderherstellen for a Button.
template <typename Window> auto& ButtonOf(Window& window, Button button) {
    switch (button) {
    case Button::Shuffel:
        return window.cmdShuffel();
    case Button::Abbruch:
        return window.cmdAbbruch();
    case Button::Weiderherstellen:
        break;
    }
    return window.cmdWeiderherstellen();
}

inline constexpr int vbDefault = 0;    // mouse pointer: the default arrow
inline constexpr int vbHourglass = 11; // mouse pointer: busy

// The window frmRandomPL and its controls, as the workflow drives them. Texts are UTF-8.
class FormView {
public:
    virtual ~FormView() = default;
    virtual WindowHandle Handle() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetButtonCaption(Button button, const std::string& caption) = 0;
    virtual void SetButtonEnabled(Button button, bool enabled) = 0;
    virtual void SetMousePointer(int style) = 0;
    // The information line (SkinLabel1); a line feed is a line break.
    virtual void SetLabelText(const std::string& text) = 0;
    virtual WindowHandle LabelHandle() = 0;
    // Switches redrawing of a window on or off (on: it repaints once).
    virtual void SetRedraw(WindowHandle window, bool on) = 0;
};

} // namespace karusello
