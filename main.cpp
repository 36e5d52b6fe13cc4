// Skyvane: creates the window with its pictures and hands control to its events.
#include "drawing/Pictures.h"
#include "platform/ProgramEnd.h"
#include "ui/FatalError.h"
#include "ui/Form1.h"

#include <QApplication>

namespace {

skyvane::Pictures loadPicturesOrEnd()
{
    try {
        return skyvane::loadPictures();
    } catch (const skyvane::PictureError& error) {
        skyvane::endWithError(QString::fromUtf8(error.what()), skyvane::kExitPictureError);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyvane"));
    QApplication::setApplicationVersion(QStringLiteral(SKYVANE_VERSION));
    // Names the desktop entry, so Wayland compositors show the program's own icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.skyvane.Skyvane"));

    skyvane::GameState state;
    // The loaded pictures end with this statement: the window keeps its own copies of what it needs.
    skyvane::Form1 window(loadPicturesOrEnd(), state);
    window.show();
    return skyvane::endProgram(QApplication::exec());
}
