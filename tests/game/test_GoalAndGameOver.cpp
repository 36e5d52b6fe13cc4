// The progress count, the game-over countdown and the finale.
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <map>

using namespace skyvane;
using skyvane::testing::GameHarness;

namespace {
void loseRocketNextFrame(GameHarness& h, int player) { h.state.RocketX[player] = -60; }

// Rockets that fly level for a long time: thrust every other frame is not needed when
// the speed starts at -1 and the rocket starts high.
void hoverLong(GameHarness& h, int player)
{
    h.state.RocketY[player] = -40;
    h.state.RocketVY[player] = -1;
}
} // namespace

TEST(GameOver, TheCountdownEndsTheGameInThe150thFrameCountingTheLoss)
{
    GameHarness h;
    h.startAt();
    loseRocketNextFrame(h, 0);
    h.frame();
    EXPECT_EQ(h.state.GameOverTimer, 149) << "set to 150 and counted down in the frame of the loss";
    EXPECT_EQ(h.traceLines("Label1"), (std::vector<std::string>{"Label1 caption Game Over!", "Label1 show"}));
    h.clearTrace();
    h.frames(148);
    EXPECT_EQ(h.state.Playing, -1);
    EXPECT_EQ(h.state.Progress, 1) << "countdown frames do not count towards the goal";
    EXPECT_TRUE(h.traceLines("BlitRocket").empty());
    EXPECT_EQ(h.traceLines("BlitMeteor").size(), 148u * kMeteorSlots) << "the field plays on";
    h.frame();
    EXPECT_EQ(h.state.Playing, 0);
    EXPECT_FALSE(h.frame()) << "the next pass leaves the loop";
}

TEST(GameOver, InATwoPlayerGameItFiresWhenTheSecondRocketIsLost)
{
    GameHarness h;
    h.state.PlayerSetting = 1;
    h.startAt();
    hoverLong(h, 0);
    loseRocketNextFrame(h, 1);
    h.frame();
    EXPECT_EQ(h.state.GameOverTimer, 0) << "one rocket flies on";
    EXPECT_EQ(h.state.Progress, 1);
    loseRocketNextFrame(h, 0);
    h.frame();
    EXPECT_EQ(h.state.GameOverTimer, 149);
}

TEST(GameOver, ARocketLeftInPlayByASwitchToOnePlayerKeepsTheGameGoing)
{
    GameHarness h;
    h.state.PlayerSetting = 1;
    h.startAt();
    h.frame();
    const std::int16_t secondY = h.state.RocketY[1];
    h.state.PlayerSetting = 0;
    loseRocketNextFrame(h, 0);
    h.clearTrace();
    h.frame();
    EXPECT_EQ(h.state.RocketY[1], secondY) << "no longer moved";
    EXPECT_EQ(h.traceLines("BlitRocket"), std::vector<std::string>{"BlitRocket -200 98 50 50"});
    EXPECT_EQ(h.state.GameOverTimer, 0);
    EXPECT_EQ(h.state.Progress, 2);
}

TEST(Finale, TheGoalFrameIsFullAndThePilotIsPaintedOverItInTheSamePass)
{
    GameHarness h;
    h.startAt();
    hoverLong(h, 0);
    h.state.Progress = 1199;
    h.frame();
    const std::string trace = h.takeTrace();
    const auto rocket = trace.find("BlitRocket");
    const auto caption = trace.find("Label1 caption Clear!Good Luck!\nLabel1 show\nPaintFinalePicture 0 35\n");
    ASSERT_NE(rocket, std::string::npos);
    ASSERT_NE(caption, std::string::npos);
    EXPECT_LT(rocket, caption);
    EXPECT_EQ(h.state.Progress, 1201);
    h.frame();
    EXPECT_EQ(h.takeTrace(), "ClearPlayArea\nPaintFinalePicture 0 35\n") << "no flight phases any more";
}

TEST(Finale, ThePilotStepsEveryFivePassesAndTheGameEndsAt2035)
{
    GameHarness h;
    h.startAt();
    hoverLong(h, 0);
    h.state.Progress = 1199;
    h.frame();
    std::map<int, int> pilotX;
    while (h.state.Playing != 0) {
        ASSERT_TRUE(h.game.pass()) << "passes without a new tick step advance the finale too";
        pilotX[h.state.Progress] = h.state.RocketX[0];
    }
    EXPECT_EQ(pilotX[1204], 0);
    EXPECT_EQ(pilotX[1205], 3);
    EXPECT_EQ(pilotX[1209], 3);
    EXPECT_EQ(pilotX[1730], 318);
    EXPECT_EQ(pilotX[1734], 318);
    EXPECT_EQ(pilotX[1735], 321);
    EXPECT_EQ(pilotX[2034], 498);
    EXPECT_EQ(h.state.Progress, 2035);
    EXPECT_EQ(h.state.RocketX[0], 501);
    EXPECT_EQ(pilotX.size(), 2035u - 1201u);
    EXPECT_FALSE(h.game.pass());
}

TEST(Finale, ALossInTheGoalFrameEndsThroughTheFinale)
{
    GameHarness h;
    h.startAt();
    h.state.Progress = 1199;
    loseRocketNextFrame(h, 0);
    h.frame();
    EXPECT_EQ(h.traceLines("Label1"),
              (std::vector<std::string>{"Label1 caption Game Over!", "Label1 show", "Label1 caption Clear!Good Luck!",
                                        "Label1 show"}));
    EXPECT_EQ(h.state.GameOverTimer, 149) << "the countdown stops where it stands";
    for (int pass = 0; pass < 900 && h.state.Playing != 0; ++pass)
        h.frame();
    EXPECT_EQ(h.state.Progress, 2035);
    EXPECT_EQ(h.state.GameOverTimer, 149);
}

TEST(Finale, TwoPlayersGetTwoPilotsFollowingTheMenuFromPassToPass)
{
    GameHarness h;
    h.state.PlayerSetting = 1;
    h.startAt();
    hoverLong(h, 0);
    loseRocketNextFrame(h, 1);
    h.state.Progress = 1199;
    h.frame();
    EXPECT_EQ(h.traceLines("PaintFinalePicture"),
              (std::vector<std::string>{"PaintFinalePicture 0 35", "PaintFinalePicture 0 155"}))
        << "two pilots though one rocket was lost";
    h.clearTrace();
    h.state.PlayerSetting = 0;
    h.game.pass();
    EXPECT_EQ(h.traceLines("PaintFinalePicture"), std::vector<std::string>{"PaintFinalePicture 0 35"});
}
