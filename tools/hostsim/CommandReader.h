#pragma once

#include <QObject>

#include <string>

class QSocketNotifier;

namespace karusello::hostsim {

// Reads the command interface from standard input without blocking the windows: a notifier
// tells when input has come, and every complete line is handed on. At the end of the input the
// host goes on running (a script may start it with no input at all); a last line without a line
// feed is handed on then.
class CommandReader : public QObject {
    Q_OBJECT
public:
    explicit CommandReader(QObject* parent = nullptr);

signals:
    void LineRead(const std::string& line);

private:
    void ReadAvailable();

    QSocketNotifier* notifier_ = nullptr;
    std::string pending_;
};

} // namespace karusello::hostsim
