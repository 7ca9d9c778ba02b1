#include "linux/ui/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace karusello {

void QtEventPump::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace karusello
