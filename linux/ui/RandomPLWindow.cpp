#include "linux/ui/RandomPLWindow.h"

#include "linux/ui/WindowIcon.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace karusello {

namespace {

// A place of the form in Qt's pixels, which Qt itself scales to the screen.
constexpr QRect Pixels(const TwipsRect& place) {
    constexpr int perPixel = form_design::TwipsPerPixelAt96Dpi;
    return {place.left / perPixel, place.top / perPixel, place.width / perPixel,
            place.height / perPixel};
}

QFont LabelFont() {
    QFont font(QString::fromUtf16(form_design::FontFace));
    font.setPointSizeF(form_design::FontPoints);
    font.setWeight(static_cast<QFont::Weight>(form_design::LabelFontWeight));
    return font;
}

} // namespace

RandomPLWindow::RandomPLWindow() {
    setObjectName(QStringLiteral("frmRandomPL"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(form_design::ClientWidth / form_design::TwipsPerPixelAt96Dpi,
                 form_design::ClientHeight / form_design::TwipsPerPixelAt96Dpi);
    setWindowIcon(DrawWindowIcon());

    // Created in tab order, so the focus chain starts with the shuffle button.
    cmdShuffel_ = AddButton("cmdShuffel", Pixels(form_design::cmdShuffel), FormEvent::ShuffelClick);
    cmdAbbruch_ = AddButton("cmdAbbruch", Pixels(form_design::cmdAbbruch), FormEvent::AbbruchClick);
    cmdWeiderherstellen_ =
        AddButton("cmdWeiderherstellen", Pixels(form_design::cmdWeiderherstellen),
                  FormEvent::WeiderherstellenClick);
    setTabOrder(cmdShuffel_, cmdAbbruch_);
    setTabOrder(cmdAbbruch_, cmdWeiderherstellen_);
    CreateLabel();
    cmdShuffel_->setFocus();

    timer1_.setInterval(form_design::Timer1IntervalMs);
    timer2_.setInterval(form_design::Timer2IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { Emit(FormEvent::Timer1); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Emit(FormEvent::Timer2); });
}

QPushButton* RandomPLWindow::AddButton(const char* name, const QRect& geometry, FormEvent click) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter and Escape trigger no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    // Native like the label, so that the buttons stay above the label's window where the two
    // overlap.
    button->setAttribute(Qt::WA_NativeWindow);
    connect(button, &QPushButton::clicked, this, [this, click] { Emit(click); });
    return button;
}

// The information line is a window of its own (it has its own handle). It overlaps the
// buttons' row and lies below them.
void RandomPLWindow::CreateLabel() {
    skinLabel1_ = new QLabel(this);
    skinLabel1_->setObjectName(QStringLiteral("SkinLabel1"));
    skinLabel1_->setGeometry(Pixels(form_design::SkinLabel1));
    skinLabel1_->setTextFormat(Qt::PlainText);
    skinLabel1_->setWordWrap(true);
    skinLabel1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    skinLabel1_->setFont(LabelFont());
    skinLabel1_->setFocusPolicy(Qt::NoFocus);
    skinLabel1_->setAttribute(Qt::WA_NativeWindow);
    skinLabel1_->lower();
}

void RandomPLWindow::SetEventHandler(std::function<void(FormEvent)> handler) {
    eventHandler_ = std::move(handler);
}

void RandomPLWindow::SetCloseHandler(std::function<void()> handler) {
    closeHandler_ = std::move(handler);
}

void RandomPLWindow::StartTimers() {
    timer1_.start();
    timer2_.start();
}

void RandomPLWindow::StopTimers() {
    timer1_.stop();
    timer2_.stop();
}

bool RandomPLWindow::TimersActive() const {
    return timer1_.isActive() || timer2_.isActive();
}

void RandomPLWindow::Emit(FormEvent event) {
    if (eventHandler_) {
        eventHandler_(event);
    }
}

// The close box ends the program; without a handler the window just closes.
// The close handler ends the program itself, or puts the end off until the host has been told
// of a change under way; the window stays until then.
void RandomPLWindow::closeEvent(QCloseEvent* event) {
    if (closeHandler_) {
        closeHandler_();
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace karusello
