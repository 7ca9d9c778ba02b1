#pragma once

#include "app/interfaces/WindowHandle.h"

#include <string>

namespace karusello {

enum class Button { Shuffel, Abbruch, Weiderherstellen };

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
