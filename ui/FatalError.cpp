#include "FatalError.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace skyvane {

void endWithError(const QString& message, int exitCode)
{
    std::fprintf(stderr, "skyvane: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (QApplication::instance())
        QMessageBox::critical(nullptr, QStringLiteral("Skyvane"), message);
    std::fflush(stdout);
    std::_Exit(exitCode);  // at once: nothing of the failed game may run on

}

} // namespace skyvane
