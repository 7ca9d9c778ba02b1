#pragma once

#include "core/app/interfaces/FormView.h"

namespace karusello {

class RandomPLWindow;

// The workflow's view of the window, carried out on the Qt widgets.
class QtFormView : public FormView {
public:
    explicit QtFormView(RandomPLWindow& window) : window_(window) {}

    WindowHandle Handle() override;
    void SetCaption(const std::string& caption) override;
    void SetButtonCaption(Button button, const std::string& caption) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void SetMousePointer(int style) override;
    void SetLabelText(const std::string& text) override;
    WindowHandle LabelHandle() override;
    void SetRedraw(WindowHandle window, bool on) override;

private:
    RandomPLWindow& window_;
    bool busyPointer_ = false;
};

} // namespace karusello
