#include "FatalError.h"

#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace skyvane {

void endWithError(const QString& message, int exitCode)
{
    std::fprintf(stderr, "skyvane: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (QApplication::instance())
        QMessageBox::critical(nullptr, QStringLiteral("Skyvane"), message);
    endProcessNow(exitCode);  // nothing of the failed game may run on
}

} // namespace skyvane
