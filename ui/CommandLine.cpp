#include "CommandLine.h"

#include "ExitCodes.h"
#include "net/JoinCode.h"
#include "net/Session.h"

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
    const QCommandLineOption host(QStringLiteral("host"),
                                  QStringLiteral("Hosts a net game for a player on another machine, on UDP port PORT "
                                                 "(%1 unless given after the option): prints the join code and this "
                                                 "machine's addresses to give them.")
                                      .arg(net::Session::kDefaultPort));
    const QCommandLineOption join(QStringLiteral("join"),
                                  QStringLiteral("Joins the net game hosted at ADDRESS (port %1 unless given) as player 2.")
                                      .arg(net::Session::kDefaultPort),
                                  QStringLiteral("ADDRESS[:PORT]"));
    const QCommandLineOption code(QStringLiteral("code"), QStringLiteral("The join code the host shows, with --join."),
                                  QStringLiteral("CODE"));
    parser.addOptions({help, version, scale, firstPad, host, join, code});
    parser.addPositionalArgument(QStringLiteral("PORT"), QStringLiteral("The UDP port to host on, with --host; 0 takes any free one."),
                                 QStringLiteral("[PORT]"));

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
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > (parser.isSet(host) ? 1 : 0))
        return wrong(QStringLiteral("Unexpected argument '%1'.").arg(positional.constLast()));
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
    if (parser.isSet(host) && parser.isSet(join))
        return wrong(QStringLiteral("--host and --join cannot be given together."));
    if (parser.isSet(join) != parser.isSet(code))
        return wrong(QStringLiteral("--join needs --code CODE, the code the host shows, and --code goes with --join."));
    if (parser.isSet(host)) {
        const QString port = positional.value(0, QString::number(net::Session::kDefaultPort));
        command.hostPort = port == QLatin1String("0") ? std::optional<std::uint16_t>(0) : net::readPort(port.toStdString());
        if (!command.hostPort)
            return wrong(QStringLiteral("--host takes a port from 1 to 65535, or 0 for any free one."));
    }
    if (parser.isSet(join)) {
        command.join = net::readNetAddress(parser.value(join).toStdString(), net::Session::kDefaultPort);
        const std::optional<net::JoinCode> joinCode = net::readJoinCode(parser.value(code).toStdString());
        if (!command.join)
            return wrong(QStringLiteral("--join takes ADDRESS or ADDRESS:PORT, the port from 1 to 65535."));
        if (!joinCode)
            return wrong(QStringLiteral("--code takes the four letters and digits the host shows."));
        command.joinCode = *joinCode;
    }
    return command;
}

} // namespace skyvane
