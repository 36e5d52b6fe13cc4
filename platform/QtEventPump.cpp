#include "QtEventPump.h"

#include <QCoreApplication>

namespace skyvane {

QtEventPump::QtEventPump(std::function<void()> beforePump) : beforePump_(std::move(beforePump)) {}

void QtEventPump::pumpEvents()
{
    if (beforePump_)
        beforePump_();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace skyvane
