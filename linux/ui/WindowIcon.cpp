#include "linux/ui/WindowIcon.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace karusello {

QIcon DrawWindowIcon() {
    constexpr int size = 32;
    constexpr std::array<QRgb, 6> seats{0xd62828, 0xf77f00, 0xfcbf49, 0x2a9d8f, 0x1d3557, 0x8e44ad};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF wheel(2, 2, size - 4, size - 4);
    constexpr int span = 360 * 16 / static_cast<int>(seats.size());
    for (std::size_t i = 0; i < seats.size(); ++i) {
        painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        painter.setBrush(QColor(seats[i]));
        painter.drawPie(wheel, static_cast<int>(i) * span, span);
    }
    painter.setBrush(QColor(0xf1, 0xfa, 0xee));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), 5, 5);
    painter.end();
    return QIcon(pixmap);
}

} // namespace karusello
