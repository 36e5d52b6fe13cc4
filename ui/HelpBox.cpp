#include "HelpBox.h"

#include "platform/NormalWindowState.h"

#include <QEventLoop>
#include <QMessageBox>

namespace skyvane {

QString displayText(const char* text)
{
    QString shown = QString::fromUtf8(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Qt drops the window system's close requests for a window that a Qt modal box blocks, so the
// box is shown modeless over a disabled owner, the way a system message box disables its own.
void showHelpBox(QWidget& owner, const char* title, const char* text)
{
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), displayText(text), QMessageBox::Ok, &owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::NonModal);
    box.winId();  // the native window, whose state is guarded from its first showing on
    keepNormalState(*box.windowHandle());
    owner.setEnabled(false);
    box.setEnabled(true);
    QEventLoop untilDismissed;
    QObject::connect(&box, &QDialog::finished, &untilDismissed, &QEventLoop::quit);
    box.show();
    untilDismissed.exec();
    owner.setEnabled(true);
}

} // namespace skyvane
