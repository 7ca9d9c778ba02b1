#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

QImage Render(QWidget& widget) {
    return widget.grab().toImage();
}

std::filesystem::path SaveArtifact(const QImage& image, const std::string& name) {
    const std::filesystem::path folder = KARUSELLO_TEST_ARTIFACTS;
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    image.save(QString::fromStdString(file.string()));
    return file;
}

QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "karusello-qtui-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << content;
    return file.string();
}

} // namespace karusello::test
