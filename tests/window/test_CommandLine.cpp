// The options the command line gives the program; what it prints and its exit codes are
// checked on the real program by command_line.sh.
#include "ui/CommandLine.h"

#include <gtest/gtest.h>

using namespace skyvane;

TEST(CommandLine, TakesTheScaleAndTheFirstPadsPlayer)
{
    const CommandLine plain = readCommandLine({"skyvane"});
    EXPECT_FALSE(plain.exitCode.has_value());
    EXPECT_EQ(std::pair(plain.scale, plain.firstPadPlayer), std::pair(1, 1));
    const CommandLine given = readCommandLine({"skyvane", "--scale", "3", "--first-pad", "2"});
    EXPECT_FALSE(given.exitCode.has_value());
    EXPECT_EQ(std::pair(given.scale, given.firstPadPlayer), std::pair(3, 2));
}
