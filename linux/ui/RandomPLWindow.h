#pragma once

#include "core/app/interfaces/FormDesign.h"
#include "core/app/interfaces/FormEvent.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace karusello {

// The window frmRandomPL: a fixed client area of 414 x 135 pixels (form_design) with the
// information line SkinLabel1, the three command buttons and the two timers. It knows nothing of
// the workflow; its clicks and timer ticks go to the event handler, its close box to the close
// handler.
class RandomPLWindow : public QWidget {
public:
    RandomPLWindow();

    void SetEventHandler(std::function<void(FormEvent)> handler);
    void SetCloseHandler(std::function<void()> handler);

    // The timers tick from the moment the shown window starts them.
    void StartTimers();
    void StopTimers();
    bool TimersActive() const;

    QLabel& SkinLabel1() { return *skinLabel1_; }
    QPushButton& cmdShuffel() { return *cmdShuffel_; }
    QPushButton& cmdAbbruch() { return *cmdAbbruch_; }
    QPushButton& cmdWeiderherstellen() { return *cmdWeiderherstellen_; }
    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QRect& geometry, FormEvent click);
    void CreateLabel();
    void Emit(FormEvent event);

    QPushButton* cmdShuffel_ = nullptr;
    QPushButton* cmdAbbruch_ = nullptr;
    QPushButton* cmdWeiderherstellen_ = nullptr;
    QLabel* skinLabel1_ = nullptr;
    QTimer timer1_;
    QTimer timer2_;
    std::function<void(FormEvent)> eventHandler_;
    std::function<void()> closeHandler_;
};

} // namespace karusello
