#include "WindowSystem.h"

#include "ProgramEnd.h"

#include <QGuiApplication>

#include <cstdio>

namespace skyvane {

namespace {

const char* failureMessage = nullptr;
int failureExitCode = 0;
QtMessageHandler previousHandler = nullptr;

[[noreturn]] void endForNoDisplay()
{
    std::fprintf(stderr, "%s\n", failureMessage);
    endProcessNow(failureExitCode);
}

void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        endForNoDisplay();
    previousHandler(type, context, text);
}

bool isSet(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

} // namespace

bool runsOnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

WindowSystemOpening::WindowSystemOpening(const char* message, int exitCode)
{
    failureMessage = message;
    failureExitCode = exitCode;
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM"))
        endForNoDisplay();
    previousHandler = qInstallMessageHandler(endOnFatal);
}

WindowSystemOpening::~WindowSystemOpening() { qInstallMessageHandler(previousHandler); }

} // namespace skyvane
