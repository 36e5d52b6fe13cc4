#include "HelpBox.h"

#include "platform/ConfiguredSize.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QWindow>

namespace skyvane {

QString displayText(const char* text)
{
    QString shown = QString::fromUtf8(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void showHelpBox(QWidget& owner, const char* title, const char* text)
{
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), displayText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    showOwnedBox(owner, box);
}

// Qt drops the window system's close requests for a window that a Qt modal box blocks, so the
// box is shown modeless over a disabled owner, the way a system message box disables its own.
// It belongs to its owner as a window only, not as a child widget: after a child dialog closes,
// Qt 6.4 on Wayland leaves the owner's bottom rows, as tall as its menu bar, out of every repaint.
int showOwnedBox(QWidget& owner, QDialog& box)
{
    box.setWindowModality(Qt::NonModal);
    box.winId();  // the native window, whose owner and state are set before it is first shown
    box.windowHandle()->setTransientParent(owner.windowHandle());
    followConfiguredSize(*box.windowHandle());
    box.adjustSize();
    box.move(owner.frameGeometry().center() - box.rect().center());

    owner.setEnabled(false);
    QEventLoop untilDismissed;
    QObject::connect(&box, &QDialog::finished, &untilDismissed, &QEventLoop::quit);
    box.show();
    box.activateWindow();  // without a window manager nobody else gives it the keyboard
    untilDismissed.exec();
    owner.setEnabled(true);
    owner.activateWindow();
    return box.result();
}

} // namespace skyvane
