// Skyvane: creates the window and hands control to its events.
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    skyvane::Form1 window;
    window.show();
    return QApplication::exec();
}
