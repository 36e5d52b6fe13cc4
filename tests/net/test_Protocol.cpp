// What comes from the other machine is taken only when it makes sense. The packet reader takes
// every message it writes back whole, and nothing that is not one: each field is checked before
// use. The frames as one machine sees them: what is predicted, what a late input shows to have
// been wrong, and the inputs no honest peer sends.
#include "net/Discovery.h"
#include "net/FrameTimeline.h"
#include "net/JoinCode.h"
#include "net/Protocol.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skyvane::net;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const Message& message)
{
    std::array<std::uint8_t, kLargestMessage> buffer{};
    const std::size_t length = writeMessage(message, buffer);
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length)};
}

Bytes changed(Bytes bytes, std::size_t at, std::uint8_t value)
{
    bytes.at(at) = value;
    return bytes;
}

// Ten inputs of every steering, with and without thrust, the last with Esc.
const Inputs kInputs{3, 40, 37, -2, 31, 10, {{{-1, true, false}, {0, false, false}, {1, true, false},
                                             {-1, false, false}, {0, true, false}, {1, false, false},
                                             {-1, true, false}, {0, false, false}, {1, true, false},
                                             {-1, false, true}}}};

const Hello kHello{{'1', '.', '0', '0'}, *readJoinCode("k7pq")};

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

TEST(Protocol, EveryMessageReadsBackAsWritten)
{
    const std::vector<Message> messages{kHello, Welcome{}, Start{2, 0xFEDCBA9876543210ULL}, StartRequest{0},
                                        kInputs, Checksum{1, 64, 0xDEADBEEF}, Mismatch{1, 8, 1, 2}, Beat{}};
    for (const Message& message : messages)
        EXPECT_EQ(readMessage(bytesOf(message)), message) << "type " << message.index();
    EXPECT_EQ(bytesOf(kInputs).size(), 29u) << "ten inputs of a byte each after a header of 19";
    EXPECT_TRUE(isReliable(Start{1, 1}));
    EXPECT_FALSE(isReliable(kInputs));
    EXPECT_FALSE(isReliable(Beat{}));
}

// Inputs: the type, game, present, known, advantage, first and count at 0, 1, 5, 9, 13, 14 and
// 18, then the inputs; a Hello: the type, the version at 1 and the code at 17.
TEST(Protocol, AMessageOfTheWrongLengthTypeOrFieldIsRefused)
{
    const Bytes inputs = bytesOf(kInputs);
    const Bytes hello = bytesOf(kHello);
    const std::pair<Bytes, const char*> refused[] = {
        {{}, "nothing"},
        {{9}, "no such type"},
        {{1, 2}, "a Hello cut short"},
        {{8, 0}, "a Beat and a byte more"},
        {Bytes(inputs.begin(), inputs.end() - 1), "fewer inputs than counted"},
        {changed(inputs, 18, 0), "no inputs"},
        {changed(inputs, 18, 33), "more than a message carries"},
        {changed(inputs, 20, 0x03), "steering beyond right"},
        {changed(inputs, 20, 0x11), "a bit no input has"},
        {changed(inputs, 8, 0x40), "a present frame beyond any game"},
        {changed(inputs, 12, 0x80), "a negative known frame"},
        {changed(inputs, 5, 35), "inputs beyond the sender's present frame"},
        {changed(inputs, 14, 0), "frame 0, the set-up, has no inputs"},
        {changed(bytesOf(Start{1, 5}), 1, 0), "game 0 is none"},
        {changed(bytesOf(Checksum{1, 8, 1}), 8, 0xFF), "a negative frame"},
        {changed(bytesOf(Mismatch{1, 8, 1, 2}), 8, 0x40), "a frame beyond any game"},
        {changed(hello, 17, 'O'), "O is not in the code's alphabet"},
        {changed(hello, 2, 0x07), "a version that is not printable"},
        {changed(hello, 1, 0), "an empty version"},
        {changed(hello, 10, 'x'), "text after the version's end"},
    };
    for (const auto& [bytes, why] : refused)
        EXPECT_FALSE(readMessage(bytes).has_value()) << why;
}

// An answer: the word and the protocol in 12 bytes, room at 12, the name's length at 13, the name.
TEST(Discovery, AnAnswerReadsBackAndNothingElseIsOne)
{
    std::array<std::uint8_t, kLargestAnswer> written{};
    const std::size_t length = writeGameAnswer(GameAnswer{"desk top\x01", true}, written);
    const Bytes answer(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(readGameAnswer(answer), (GameAnswer{"desk top?", true})) << "the name made printable";
    EXPECT_EQ(writeGameAnswer({std::string(40, 'n'), false}, written), kLargestAnswer) << "the name cut";
    EXPECT_EQ(readGameAnswer(written), (GameAnswer{std::string(kMostNameBytes, 'n'), false}));
    const auto request = discoveryRequest();
    EXPECT_EQ(request[8], kProtocol & 0xFFu) << "the protocol's version, first of its bytes, travels";
    Bytes longer(written.begin(), written.end());
    longer.push_back('n');
    const std::pair<Bytes, const char*> refused[] = {
        {Bytes(request.begin(), request.end()), "a request is no answer"},
        {Bytes(answer.begin(), answer.end() - 1), "shorter than its name"},
        {changed(answer, 12, 2), "room is yes or no"},
        {changed(longer, 13, 33), "a name longer than any"},
        {changed(answer, 14, 0x7F), "a name that is not printable"},
        {changed(answer, 11, static_cast<std::uint8_t>(answer[11] ^ 1)), "another protocol"},
    };
    for (const auto& [bytes, why] : refused)
        EXPECT_FALSE(readGameAnswer(bytes).has_value()) << why;
}

// Frames 1 to 12 run here; the other player's inputs arrive late, and some that no honest peer
// sends.
TEST(FrameTimeline, PredictsTheOtherPlayersLastInputForAtMostEightFramesAndTakesNoInputsThatContradictIt)
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
    runFrames(host, FrameTimeline::kMostPredicted);
    EXPECT_FALSE(host.mayRunNext());
    ASSERT_TRUE(host.addRemote(5, std::vector{kThrust}));
    EXPECT_TRUE(host.mayRunNext());
    EXPECT_EQ(host.agreed(), 5);
    EXPECT_EQ(FrameTimeline(1).inputsFor(1)[0], kNone) << "on the joining machine the other is player 1";

    EXPECT_TRUE(host.addRemote(4, std::vector{kThrust, kThrust, kLeft})) << "known ones again, then new";
    EXPECT_FALSE(host.addRemote(3, std::vector{kNone})) << "frame 3 was left";
    EXPECT_FALSE(host.addRemote(8, std::vector{kNone})) << "frame 7 is not known: a gap";
    EXPECT_FALSE(host.addRemote(0, std::vector{kNone})) << "frame 0 is the set-up";
    EXPECT_FALSE(host.addRemote(7, std::vector<FrameInput>(FrameTimeline::kWindow / 2 + 1))) << "too far ahead";
    EXPECT_EQ(host.remoteKnown(), 6) << "nothing of the refused taken";
    EXPECT_FALSE(host.setLocalKnownThere(13)) << "frame 13 has not run here";
    EXPECT_TRUE(host.setLocalKnownThere(3));
    EXPECT_TRUE(host.setLocalKnownThere(2)) << "an older word changes nothing";
    EXPECT_EQ(host.firstUnknownThere(), 4);
}
