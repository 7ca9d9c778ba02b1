#pragma once

#include "core/app/interfaces/FormEvent.h"
#include "windows/ui/CommandButton.h"
#include "windows/ui/FormLayout.h"
#include "windows/ui/GdiObjects.h"
#include "windows/ui/SkinLabel.h"
#include "windows/ui/SkinPainter.h"
#include "windows/ui/Window.h"
#include "windows/ui/WindowIcon.h"

#include <functional>
#include <memory>

namespace karusello {

// The window frmRandomPL on Windows: a fixed client area of 6210 x 2025 twips at the screen's
// DPI with the information line SkinLabel1, the three command buttons and the two timers. It
// knows nothing of the workflow; its clicks and timer ticks go to the event handler, its close
// box to the close handler. Created hidden and without a caption.
class RandomPLWindow : public Window {
public:
    explicit RandomPLWindow(Dpi dpi = ScreenDpi());
    ~RandomPLWindow() override;

    void SetEventHandler(std::function<void(FormEvent)> handler);
    void SetCloseHandler(std::function<void()> handler);

    // Shows the window with the focus on the shuffle button.
    void Show();
    // The timers tick from the moment the shown window starts them.
    void StartTimers();
    void StopTimers();
    bool TimersActive() const { return timersActive_; }

    // The hourglass over the window and its controls while busy.
    void SetBusyPointer(bool busy);

    // The skin's look for the client area, the label's text and the buttons.
    void ApplySkin(std::shared_ptr<const SkinPainter> skin);
    // Paints the client area under area (client coordinates) into dc, at its origin.
    void PaintBackground(HDC dc, const RECT& area) const;

    SIZE ClientSize() const;
    SkinLabel& SkinLabel1() { return *skinLabel1_; }
    CommandButton& cmdShuffel() { return *cmdShuffel_; }
    CommandButton& cmdAbbruch() { return *cmdAbbruch_; }
    CommandButton& cmdWeiderherstellen() { return *cmdWeiderherstellen_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<CommandButton> AddButton(int id, const TwipsRect& place, FormEvent click);
    CommandButton* ButtonWithId(int id);
    void Emit(FormEvent event);
    void OnCommand(WPARAM wParam);
    void OnActivate(WPARAM wParam);
    bool OnSetCursor();

    Dpi dpi_;
    WindowIcon icon_;
    FontHandle labelFont_;
    FontHandle buttonFont_;
    std::unique_ptr<CommandButton> cmdShuffel_;
    std::unique_ptr<CommandButton> cmdAbbruch_;
    std::unique_ptr<CommandButton> cmdWeiderherstellen_;
    std::unique_ptr<SkinLabel> skinLabel1_;
    std::shared_ptr<const SkinPainter> skin_;
    std::function<void(FormEvent)> eventHandler_;
    std::function<void()> closeHandler_;
    HWND focus_ = nullptr;
    bool timersActive_ = false;
    bool busy_ = false;
};

} // namespace karusello
