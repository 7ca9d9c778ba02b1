#pragma once

#include "core/app/interfaces/FormView.h"

namespace karusello {

class RandomPLWindow;

// The workflow's view of the window, carried out on the Win32 window and its controls.
class Win32FormView : public FormView {
public:
    explicit Win32FormView(RandomPLWindow& window) : window_(window) {}

    WindowHandle Handle() override;
    void SetCaption(const std::string& caption) override;
    void SetButtonCaption(Button button, const std::string& caption) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void SetMousePointer(int style) override;
    void SetLabelText(const std::string& text) override;
    WindowHandle LabelHandle() override;
    // A handle of no window of this program is RuntimeError(errnum::InvalidProcedureCall).
    void SetRedraw(WindowHandle window, bool on) override;

private:
    RandomPLWindow& window_;
};

} // namespace karusello
