#pragma once
// The program's command line, read before the window system is opened, so that --help and
// --version answer without a display.

#include <QStringList>

#include <optional>

namespace skyvane {

struct CommandLine {
    static constexpr int kLargestScale = 8;

    // Set when the program is to end at once with this code: after --help or --version, or after
    // telling what is wrong with the command line.
    std::optional<int> exitCode;
    int scale = 1;           // window pixels per pixel of the game, 1 to kLargestScale
    int firstPadPlayer = 1;  // the player the first game controller flies, 1 or 2
};

// Reads the arguments, program name first; prints the help, the version or the error itself.
CommandLine readCommandLine(const QStringList& arguments);

} // namespace skyvane
