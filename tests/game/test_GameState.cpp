#include "game/GameState.h"

#include <gtest/gtest.h>

using namespace skyvane;

TEST(GameState, EverythingIsZeroAtProgramStart)
{
    const GameState s;
    EXPECT_EQ(s.Playing, 0);
    EXPECT_EQ(s.PlayerSetting, 0);
    EXPECT_EQ(s.Progress, 0);
    for (int i = 0; i < kPlayerCells; ++i)
        EXPECT_EQ(s.RocketX[i], 0);
    for (int i = 0; i < kStarCount; ++i)
        EXPECT_EQ(s.StarDX[i], 0);
}

TEST(GameState, StoreOutsideItsWidthIsARangeErrorNamingTheVariable)
{
    GameState s;
    s.RocketX[1] = 32767;
    try {
        s.RocketX[1] += 1;
        FAIL() << "no range error";
    } catch (const RangeError& error) {
        EXPECT_STREQ(error.what(), "Overflow: RocketX(1) = 32768 is outside -32768..32767");
    }
    EXPECT_EQ(s.RocketX[1], 32767) << "a failed store leaves the old value";
    EXPECT_THROW(s.GameOverTimer = -32769, RangeError);
    s.Progress = 2147483647;
    EXPECT_THROW(s.Progress += 1, RangeError);
}

TEST(GameState, IndexOutsideItsBoundsIsARangeError)
{
    GameState s;
    EXPECT_THROW(s.RocketX[4] = 0, RangeError);
    EXPECT_THROW(s.StarDX[-1] = 0, RangeError);
    EXPECT_NO_THROW(s.StarDX[50] = 0);
    EXPECT_NO_THROW(s.DebrisX[10] = 0);
    try {
        s.MeteorX[5] = 0;
        FAIL() << "no range error";
    } catch (const RangeError& error) {
        EXPECT_STREQ(error.what(), "Subscript out of range: MeteorX(5) is outside 0..4");
    }
}
