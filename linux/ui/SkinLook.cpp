#include "linux/ui/SkinLook.h"

#include "core/skin/ButtonLook.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace karusello {

namespace {

const QString FrameObjectName = QStringLiteral("karuselloSkinFrame");

QColor ToQColor(const SkinColor& color) {
    return QColor(color.r, color.g, color.b);
}

// Draws the skin's frame along the edge of the client area, over the background.
class SkinFrame : public QObject {
public:
    SkinFrame(QWidget& window, QColor color, int width)
        : QObject(&window), window_(window), color_(color), width_(width) {
        setObjectName(FrameObjectName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            QPainter painter(&window_);
            const QRect edge = window_.rect();
            painter.fillRect(edge.x(), edge.y(), edge.width(), width_, color_);
            painter.fillRect(edge.x(), edge.bottom() - width_ + 1, edge.width(), width_, color_);
            painter.fillRect(edge.x(), edge.y(), width_, edge.height(), color_);
            painter.fillRect(edge.right() - width_ + 1, edge.y(), width_, edge.height(), color_);
        }
        return false;
    }

private:
    QWidget& window_;
    QColor color_;
    int width_;
};

QBrush ClientAreaBrush(const QWidget& window, const SkinSettings& skin, const QImage& image) {
    if (image.isNull()) {
        return QBrush(ToQColor(skin.m_BackColor));
    }
    if (skin.backgroundMode == BackgroundMode::Stretch) {
        return QBrush(QPixmap::fromImage(
            image.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    return QBrush(QPixmap::fromImage(image));
}

void ApplyClientArea(QWidget& window, const SkinSettings& skin, const QImage& image) {
    QPalette palette = window.palette();
    if (skin.m_bSkinClientArea) {
        palette.setBrush(QPalette::Window, ClientAreaBrush(window, skin, image));
        window.setAutoFillBackground(true);
    }
    palette.setColor(QPalette::WindowText, ToQColor(skin.m_ForeColor));
    window.setPalette(palette);
}

// The colours come from the skin's button look, which the Win32 window draws with as well.
QString ButtonStyleSheet(const SkinSettings& skin) {
    const ButtonLook look = ButtonLookOf(skin);
    const QString line = look.raised ? QStringLiteral("2px outset") : QStringLiteral("1px solid");
    const QString pressed = look.raised ? QStringLiteral("2px inset") : QStringLiteral("1px solid");
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: %3 %4;"
                          " border-radius: %5px; padding: 1px 4px; }"
                          " QPushButton:hover { background-color: %6; }"
                          " QPushButton:pressed { background-color: %7; border: %8 %4; }"
                          " QPushButton:focus { color: %2; }"
                          " QPushButton:disabled { color: %9; }")
        .arg(ToQColor(look.face).name(), ToQColor(look.text).name(), line,
             ToQColor(look.border).name())
        .arg(look.radius)
        .arg(ToQColor(look.hoverFace).name(), ToQColor(look.pressedFace).name(), pressed,
             ToQColor(look.disabledText).name());
}

void ApplyFrame(QWidget& window, const SkinSettings& skin) {
    delete window.findChild<SkinFrame*>(FrameObjectName, Qt::FindDirectChildrenOnly);
    if (skin.frameWidth > 0) {
        new SkinFrame(window, ToQColor(skin.frameColor), skin.frameWidth);
    }
}

} // namespace

void ApplySkinLook(QWidget& window, const SkinSettings& skin, const QImage& background) {
    ApplyClientArea(window, skin, background);
    const QString buttonStyle = ButtonStyleSheet(skin);
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setStyleSheet(buttonStyle);
    }
    ApplyFrame(window, skin);
    window.update();
}

} // namespace karusello
