// Skyvane: reads the command line, creates the window with its pictures and hands control to
// its events.
#include "drawing/Pictures.h"
#include "platform/ProgramEnd.h"
#include "platform/WindowSystem.h"
#include "ui/CommandLine.h"
#include "ui/ExitCodes.h"
#include "ui/FatalError.h"
#include "ui/Form1.h"
#include "ui/NetStart.h"

#include <QApplication>

#include <memory>

namespace {

constexpr const char* kNoDisplay =
    "skyvane: no display found: DISPLAY (X11) and WAYLAND_DISPLAY (Wayland) name none that opens; start it "
    "in a desktop session, or without one under a virtual X server: xvfb-run -a skyvane";

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The application with its window system, or the end of the program with a clear message.
std::unique_ptr<QApplication> openApplication(int& argc, char* argv[])
{
    const skyvane::WindowSystemOpening opening(kNoDisplay, skyvane::kExitNoDisplay);
    return std::make_unique<QApplication>(argc, argv);
}

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
    QCoreApplication::setApplicationName(QStringLiteral("Skyvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKYVANE_VERSION));
    const skyvane::CommandLine command = skyvane::readCommandLine(argumentsOf(argc, argv));
    if (command.exitCode)
        return *command.exitCode;
    auto session = skyvane::startSession(command, SKYVANE_VERSION);
    if (const int* exitCode = std::get_if<int>(&session))
        return *exitCode;

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    if (command.scale > 1)  // multiplies the screen's own ratio: crisp blocks of whole pixels
        qputenv("QT_SCALE_FACTOR", QByteArray::number(command.scale));
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);
    // Names the desktop entry, so Wayland compositors show the program's own icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.skyvane.Skyvane"));

    skyvane::GameState state;
    // The loaded pictures end with this statement: the window keeps its own copies of what it needs.
    skyvane::Form1 window(loadPicturesOrEnd(), state, command.firstPadPlayer);
    if (auto& netSession = std::get<std::unique_ptr<skyvane::net::Session>>(session))
        window.playOverNetwork(std::move(netSession));
    window.show();
    return skyvane::endProgram(QApplication::exec());
}
