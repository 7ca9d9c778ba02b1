#pragma once

#include <QObject>

class QSocketNotifier;

namespace karusello::hostsim {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so that the host ends
// through its normal path and withdraws its window handles. The handler only writes a byte into
// a pipe, which is all a signal handler may safely do.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Terminate();

private:
    void Drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace karusello::hostsim
