#pragma once

#include "tests/support/TempFolder.h"

#include <QImage>
#include <QObject>

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace karusello::test {

// Lets pending events run until the condition holds or a generous deadline passes; returns
// whether it holds. For what takes a moment on a real display, not for timing.
bool WaitFor(const std::function<bool()>& condition);

// Shows the widget and waits until its window is on screen.
void ShowAndExpose(QWidget& widget);

// Writes an image into the build's artifacts folder.
void SaveArtifact(const QImage& image, const std::string& name);

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget);
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace karusello::test
