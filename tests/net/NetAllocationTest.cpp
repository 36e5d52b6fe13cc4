// A steady net game between two machines on loopback, mispredictions and rollbacks included,
// makes no heap call: not in the frames, not in the session, not in ENet.
#include "NetPeer.h"

#include "doubles/AllocationCounter.h"
#include "net/JoinCode.h"

#include <gtest/gtest.h>

using namespace skyvane;
using namespace skyvane::testing;
using namespace std::chrono_literals;

namespace {
constexpr std::int32_t kFrom = 50;
constexpr std::int32_t kTo = 200;
} // namespace

TEST(NetAllocation, ASteadyNetGameWithRollbacksMakesNoHeapCall)
{
    const net::JoinCode code = *net::readJoinCode("K7PQ");
    auto hostSession = net::Session::host(0, code, "1.00");
    const std::uint16_t port = hostSession->port();
    NetPeer host(std::move(hostSession));
    NetPeer joiner(net::Session::join("127.0.0.1", port, code, "1.00"));
    std::atomic<bool> measured = false;
    doubles::HeapCalls calls;
    std::int64_t rollbacksBefore = 0;
    std::int64_t rollbacksAfter = 0;
    auto play = [&](NetPeer& peer) {
        const std::int32_t frame = peer.net().presentFrame();
        // Steering and thrust that change every few frames on both machines.
        peer.hold(frame / 4 % 3 - 1, frame / 3 % 2 == (&peer == &host ? 0 : 1));
        if (&peer != &host)
            return;
        if (frame == kFrom && rollbacksBefore == 0) {
            rollbacksBefore = peer.net().stats().rollbacks + 1;
            doubles::startMeasuring();
        }
        if (frame == kTo && !measured) {
            calls = doubles::stopMeasuring();
            rollbacksAfter = peer.net().stats().rollbacks + 1;
            measured = true;
        }
    };
    auto between = [&](NetPeer& peer) {
        if (measured)
            return peer.finish();
        if (&peer == &host && peer.session().connected() && peer.net().gameNumber() == 0 && !peer.net().startPending())
            peer.net().startCommand();
    };
    host.stopRecordingAgreedFrames();
    joiner.stopRecordingAgreedFrames();
    host.start(between, [&](NetPeer& peer) {
        play(peer);
        if (measured)
            peer.pressEscape();
    }, 30s);
    joiner.start(between, play, 30s);
    host.join();
    joiner.join();
    ASSERT_TRUE(measured) << "the game did not run its frames";
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    EXPECT_GT(rollbacksAfter - rollbacksBefore, 20) << "the frames measured had rollbacks";
}
