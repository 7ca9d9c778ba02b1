#pragma once

#include "windows/ui/SkinPainter.h"
#include "windows/ui/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace karusello {

// A command button: the system's push button, a tab stop, never a default button. Skinned, it
// draws itself with the skin's button look (owner-drawn), lighter under the pointer.
class CommandButton {
public:
    CommandButton(HWND parent, int id, const RECT& place, HFONT font);
    ~CommandButton();
    CommandButton(const CommandButton&) = delete;
    CommandButton& operator=(const CommandButton&) = delete;

    HWND Hwnd() const noexcept { return hwnd_.get(); }
    int Id() const noexcept { return id_; }

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;

    // What a click does; the parent calls Clicked when the button reports one.
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void Clicked() const;

    void SetSkin(std::shared_ptr<const SkinPainter> skin, BackgroundPainter background);
    // The parent hands on WM_DRAWITEM for this button.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    void TrackHover(bool inside);

    int id_;
    UniqueWindow hwnd_;
    HFONT font_;
    std::function<void()> onClick_;
    std::shared_ptr<const SkinPainter> skin_;
    BackgroundPainter background_;
    bool hover_ = false;
};

} // namespace karusello
