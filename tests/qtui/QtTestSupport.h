#pragma once

#include <QColor>
#include <QImage>

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace karusello::test {

// Lets pending events run until the condition holds or a generous deadline passes; returns
// whether it holds. For things that take a moment on a real display, not for timing.
bool WaitFor(const std::function<bool()>& condition);

// Shows the widget and waits until its window is on screen.
void ShowAndExpose(QWidget& widget);

// The widget as it draws itself.
QImage Render(QWidget& widget);

// Writes an image into the build's artifacts folder; returns the file written.
std::filesystem::path SaveArtifact(const QImage& image, const std::string& name);

QColor PixelAt(const QImage& image, int x, int y);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

} // namespace karusello::test
