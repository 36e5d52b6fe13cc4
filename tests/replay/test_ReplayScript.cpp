// The script reader: what it accepts and the errors it gives.
#include "tools/replay/ReplayScript.h"

#include <gtest/gtest.h>

using namespace skyvane::replay;

namespace {
std::string errorOf(const std::string& text)
{
    const Script script = parseScript(text);
    return script.error ? std::to_string(script.error->line) + ": " + script.error->message : "";
}
} // namespace

TEST(ReplayScript, ReadsEveryCommandWithCommentsBlankLinesAndCarriageReturns)
{
    const Script script = parseScript(
        "# a comment\n\nrandom 0 0.5 .25   0.999999\r\nplayers 1 # two\n"
        "keydown 37 1\n\tkeyup -3 0\ntick -2147483648\nstart\nframe\nframe 3\npass 0\ndump\ntrace off\ntrace on");
    ASSERT_FALSE(script.error);
    ASSERT_EQ(script.commands.size(), 12u);
    EXPECT_EQ(script.commands[0].values, (std::vector<float>{0.0f, 0.5f, 0.25f, 0.999999f}));
    EXPECT_EQ(script.commands[0].line, 3);
    EXPECT_EQ(script.commands[1].first, 1);
    EXPECT_EQ(script.commands[2].kind, CommandKind::KeyDown);
    EXPECT_EQ(script.commands[3].first, -3);
    EXPECT_EQ(script.commands[4].first, -2147483648LL);
    EXPECT_EQ(script.commands[6].first, 1) << "frame defaults to one";
    EXPECT_EQ(script.commands[7].first, 3);
    EXPECT_EQ(script.commands[11].kind, CommandKind::TraceOn);
}

TEST(ReplayScript, RejectsMalformedLinesWithTheirNumber)
{
    EXPECT_EQ(errorOf("start\nstart now"), "2: start takes 0 arguments, got 1");
    EXPECT_EQ(errorOf("frame -1"), "1: count out of range: -1 (allowed 0..2147483647)");
    EXPECT_EQ(errorOf("frame 1 2"), "1: frame takes 0 to 1 arguments, got 2");
    EXPECT_EQ(errorOf("keydown 37"), "1: keydown takes 2 arguments, got 1");
    EXPECT_EQ(errorOf("keydown 32768 0"), "1: key code out of range: 32768 (allowed -32768..32767)");
    EXPECT_EQ(errorOf("tick 2147483648"), "1: tick out of range: 2147483648 (allowed -2147483648..2147483647)");
    EXPECT_EQ(errorOf("tick 99999999999999999999"), "1: tick out of range: 99999999999999999999");
    EXPECT_EQ(errorOf("random"), "1: random needs at least one value");
    EXPECT_EQ(errorOf("random -0.5"), "1: random value out of range: -0.5 (allowed 0 <= V < 1)");
    EXPECT_EQ(errorOf("random 0.99999999"), "1: random value out of range: 0.99999999 (allowed 0 <= V < 1)")
        << "rounds to 1 in single precision";
    EXPECT_EQ(errorOf("random nan"), "1: random value is not a decimal number: nan");
    EXPECT_EQ(errorOf("random 0x0.8"), "1: random value is not a decimal number: 0x0.8");
    EXPECT_EQ(errorOf("trace maybe"), "1: trace takes on or off, got maybe");
    EXPECT_EQ(errorOf("Start"), "1: unknown command: Start");
}

TEST(ReplayScript, TheFirstBadLineStopsTheWholeScript)
{
    const Script script = parseScript("start\ndump\nbogus\nframe");
    ASSERT_TRUE(script.error);
    EXPECT_EQ(script.error->line, 3);
    EXPECT_TRUE(script.commands.empty()) << "nothing runs";
}
