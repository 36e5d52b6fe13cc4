// The options the command line gives the program; what it prints and its exit codes are
// checked on the real program by command_line.sh.
#include "ui/CommandLine.h"

#include <gtest/gtest.h>

using namespace skyvane;

TEST(CommandLine, TakesTheScaleAndTheFirstPadsPlayer)
{
    const CommandLine plain = readCommandLine({QStringLiteral("skyvane")});
    EXPECT_FALSE(plain.exitCode.has_value());
    EXPECT_EQ(plain.scale, 1);
    EXPECT_EQ(plain.firstPadPlayer, 1);
    const CommandLine given = readCommandLine({QStringLiteral("skyvane"), QStringLiteral("--scale"), QStringLiteral("3"),
                                               QStringLiteral("--first-pad"), QStringLiteral("2")});
    EXPECT_FALSE(given.exitCode.has_value());
    EXPECT_EQ(given.scale, 3);
    EXPECT_EQ(given.firstPadPlayer, 2);
}
