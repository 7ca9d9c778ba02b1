#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace karusello::test {

bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 10000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void ShowAndExpose(QWidget& widget) {
    widget.show();
    WaitFor([&] { return widget.windowHandle() != nullptr && widget.windowHandle()->isExposed(); });
    QCoreApplication::processEvents();
}

void SaveArtifact(const QImage& image, const std::string& name) {
    const std::filesystem::path folder = KARUSELLO_TEST_ARTIFACTS;
    std::filesystem::create_directories(folder);
    image.save(QString::fromStdString((folder / name).string()));
}

PaintCounter::PaintCounter(QWidget& widget) {
    widget.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
}

} // namespace karusello::test
