#include "CommandLine.h"

#include "ExitCodes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace skyvane {

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The value of a whole-number option within [lowest, highest], or nothing.
std::optional<int> numberIn(const QString& value, int lowest, int highest)
{
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (!isNumber || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Arcade flight through a meteor field for one or two players. Ctrl+S starts a game, Esc ends "
                       "it, F10 opens the menus."));
    // Qt's own options (-platform, -style, ...) are not taken: the window system is chosen by
    // the environment, as QT_QPA_PLATFORM.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version."));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Shows the window, its menus and help boxes N times larger, in crisp "
                                                  "whole-pixel blocks (1 to %1).")
                                       .arg(CommandLine::kLargestScale),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption firstPad(QStringLiteral("first-pad"),
                                      QStringLiteral("The player the first game controller flies (1 or 2); a second "
                                                     "controller flies the other player."),
                                      QStringLiteral("PLAYER"), QStringLiteral("1"));
    parser.addOptions({help, version, scale, firstPad});

    // Without an application object Qt cannot name the program in its usage line.
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("skyvane"))).fileName();
    const QString usage = parser.helpText().replace(QLatin1String("<executable_name>"), program);
    CommandLine command;
    auto wrong = [&](const QString& what) {
        print(stderr, QStringLiteral("%1: %2\n\n%3").arg(program, what, usage));
        command.exitCode = kExitUsage;
        return command;
    };
    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return wrong(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help) || parser.isSet(version)) {
        print(stdout, parser.isSet(help) ? usage
                                         : QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                                          QCoreApplication::applicationVersion()));
        command.exitCode = 0;
        return command;
    }
    const std::optional<int> scaleValue = numberIn(parser.value(scale), 1, CommandLine::kLargestScale);
    if (!scaleValue)
        return wrong(QStringLiteral("--scale takes a whole number from 1 to %1.").arg(CommandLine::kLargestScale));
    const std::optional<int> firstPadValue = numberIn(parser.value(firstPad), 1, 2);
    if (!firstPadValue)
        return wrong(QStringLiteral("--first-pad takes player 1 or 2."));
    command.scale = *scaleValue;
    command.firstPadPlayer = *firstPadValue;
    return command;
}

} // namespace skyvane
