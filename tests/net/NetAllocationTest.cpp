// A steady net game between two machines on loopback, mispredictions and rollbacks included,
// makes no heap call: not in the frames, not in the session, not in ENet.
#include "NetPeer.h"

#include "doubles/AllocationCounter.h"

#include <gtest/gtest.h>

using namespace skyvane;
using namespace skyvane::testing;
using namespace std::chrono_literals;

TEST(NetAllocation, ASteadyNetGameWithRollbacksMakesNoHeapCall)
{
    Machines m(std::nullopt);  // a relay would allocate on its own thread
    bool measured = false;  // on the host's thread
    doubles::HeapCalls calls;
    std::optional<net::NetStats> from;
    net::NetStats to;
    m.host->game.watch(nullptr);
    m.joiner->game.watch(nullptr);
    const bool ended = m.run(&NetPeer::oneGame, [&](NetPeer& peer) {
        const std::int32_t frame = peer.game.presentFrame();
        peer.hold(frame / 4 % 3 - 1, frame / 3 % 2 == (peer.isHost() ? 0 : 1));  // changing every few frames
        if (!peer.isHost() || measured)
            return;
        if (frame == 50 && !from) {
            from = peer.game.stats();
            doubles::startMeasuring();
        }
        if (frame == 200) {
            calls = doubles::stopMeasuring();
            to = peer.game.stats();
            measured = true;
            peer.game.leave();
        }
    }, 30s);
    ASSERT_TRUE(ended && measured && from) << "the game did not run its frames";
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    EXPECT_GT(to.rollbacks - from->rollbacks, 20) << "the frames measured had rollbacks";
}
