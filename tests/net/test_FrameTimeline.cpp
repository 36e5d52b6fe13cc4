// The frames as one machine sees them: what is predicted, what a late input shows to have been
// wrong, and the inputs no honest peer sends.
#include "net/FrameTimeline.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skyvane::net;

namespace {

constexpr FrameInput kNone{};
constexpr FrameInput kLeft{-1, false, false};
constexpr FrameInput kThrust{0, true, false};

// Runs the next frames with this machine's input none.
void runFrames(FrameTimeline& timeline, int count)
{
    for (int i = 0; i < count; ++i) {
        timeline.addLocal(kNone);
        timeline.ran(timeline.present() + 1);
    }
}

} // namespace

TEST(FrameTimeline, PredictsTheOtherPlayersLastInputAndFindsTheFirstFrameItWasWrong)
{
    FrameTimeline host(0);
    runFrames(host, 2);
    EXPECT_EQ(host.inputsFor(2)[1], kNone) << "nothing known: no input";
    ASSERT_TRUE(host.addRemote(1, std::vector{kNone}));
    EXPECT_FALSE(host.mispredicted()) << "frame 1 was predicted right";
    runFrames(host, 2);
    ASSERT_TRUE(host.addRemote(2, std::vector{kNone, kLeft, kThrust}));
    EXPECT_EQ(host.takeFirstMispredicted(), 3);
    EXPECT_EQ(host.takeFirstMispredicted(), std::nullopt) << "told once";
    EXPECT_EQ(host.agreed(), 4);
    EXPECT_EQ(host.inputsFor(7)[1], kThrust) << "the last known input, predicted";
    EXPECT_EQ(host.inputsFor(3)[1], kLeft);
    EXPECT_EQ(FrameTimeline(1).inputsFor(1)[0], kNone) << "on the joining machine the other is player 1";
}

TEST(FrameTimeline, RunsNoMoreThanEightFramesBeyondTheOtherPlayersInputs)
{
    FrameTimeline joiner(1);
    runFrames(joiner, FrameTimeline::kMostPredicted);
    EXPECT_FALSE(joiner.mayRunNext());
    ASSERT_TRUE(joiner.addRemote(1, std::vector{kNone}));
    EXPECT_TRUE(joiner.mayRunNext());
    EXPECT_EQ(joiner.agreed(), 1);
}

TEST(FrameTimeline, TakesNoInputsThatContradictWhatIsKnownOrLieBeyondWhatIsKept)
{
    FrameTimeline host(0);
    runFrames(host, 4);
    ASSERT_TRUE(host.addRemote(1, std::vector{kLeft, kLeft}));
    EXPECT_TRUE(host.addRemote(2, std::vector{kLeft, kThrust})) << "a known input again, then a new one";
    EXPECT_FALSE(host.addRemote(2, std::vector{kNone})) << "frame 2 was left";
    EXPECT_FALSE(host.addRemote(5, std::vector{kNone})) << "frame 4 is not known: a gap";
    EXPECT_FALSE(host.addRemote(0, std::vector{kNone})) << "frame 0 is the set-up";
    EXPECT_FALSE(host.addRemote(4, std::vector<FrameInput>(FrameTimeline::kWindow / 2 + 1))) << "beyond the window";
    EXPECT_EQ(host.remoteKnown(), 3) << "nothing of the refused taken";
    EXPECT_FALSE(host.setLocalKnownThere(5)) << "frame 5 has not run here";
    EXPECT_TRUE(host.setLocalKnownThere(3));
    EXPECT_TRUE(host.setLocalKnownThere(2)) << "an older word changes nothing";
    EXPECT_EQ(host.firstUnknownThere(), 4);
}
