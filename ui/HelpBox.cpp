#include "HelpBox.h"

#include <QMessageBox>

namespace skyvane {

QString displayText(const char* text)
{
    QString shown = QString::fromUtf8(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void showHelpBox(QWidget* parent, const char* title, const char* text)
{
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), displayText(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace skyvane
