// The reference for the start-up benchmark: a Qt Widgets window of the plug-in's size with
// nothing in it. Its title is the first argument.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("Leer"));
    window.resize(414, 135);
    window.show();
    return QApplication::exec();
}
