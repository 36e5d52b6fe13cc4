// The packet reader takes every message it writes back whole, and nothing that is not one:
// each field is checked before use.
#include "net/Discovery.h"
#include "net/JoinCode.h"
#include "net/Protocol.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skyvane::net;

namespace {

std::vector<std::uint8_t> bytesOf(const Message& message)
{
    std::array<std::uint8_t, kLargestMessage> buffer{};
    const std::size_t length = writeMessage(message, buffer);
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length)};
}

Inputs someInputs()
{
    Inputs inputs;
    inputs.game = 3;
    inputs.present = 40;
    inputs.known = 37;
    inputs.advantage = -2;
    inputs.first = 31;
    inputs.count = 10;
    for (std::size_t i = 0; i < inputs.count; ++i)
        inputs.inputs[i] = FrameInput{static_cast<std::int8_t>(static_cast<int>(i % 3) - 1), i % 2 == 0, i == 9};
    return inputs;
}

Hello someHello()
{
    Hello hello;
    hello.version = {'1', '.', '0', '0'};
    hello.code = *readJoinCode("k7pq");
    return hello;
}

} // namespace

TEST(Protocol, EveryMessageReadsBackAsWritten)
{
    const std::vector<Message> messages{someHello(), Welcome{}, Start{2, 0xFEDCBA9876543210ULL}, StartRequest{0},
                                        someInputs(), Checksum{1, 64, 0xDEADBEEF}, Mismatch{1, 8, 1, 2}, Beat{}};
    for (const Message& message : messages) {
        const std::optional<Message> read = readMessage(bytesOf(message));
        ASSERT_TRUE(read.has_value()) << "type " << message.index();
        EXPECT_EQ(*read, message) << "type " << message.index();
    }
    EXPECT_EQ(bytesOf(someInputs()).size(), 29u) << "ten inputs of a byte each after a header of 19";
    EXPECT_TRUE(isReliable(Start{1, 1}));
    EXPECT_FALSE(isReliable(someInputs()));
    EXPECT_FALSE(isReliable(Beat{}));
}

TEST(Protocol, AMessageOfTheWrongLengthTypeOrFieldIsRefused)
{
    auto refused = [](std::vector<std::uint8_t> bytes) { return !readMessage(bytes).has_value(); };
    const std::vector<std::uint8_t> inputs = bytesOf(someInputs());
    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused({0}));
    EXPECT_TRUE(refused({9}));
    EXPECT_TRUE(refused({1, 2}));  // a Hello cut short
    auto changed = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = inputs;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_TRUE(refused({inputs.begin(), inputs.end() - 1})) << "fewer inputs than counted";
    EXPECT_TRUE(refused(changed(18, 0))) << "no inputs";
    EXPECT_TRUE(refused(changed(18, 33))) << "more than a message carries";
    EXPECT_TRUE(refused(changed(20, 0x03))) << "steering beyond right";
    EXPECT_TRUE(refused(changed(20, 0x11))) << "a bit no input has";
    EXPECT_TRUE(refused(changed(8, 0x80))) << "a frame beyond any game (present)";
    EXPECT_TRUE(refused(changed(5, 35))) << "inputs beyond the sender's present frame";
    EXPECT_TRUE(refused(changed(14, 0))) << "frame 0, the set-up, has no inputs";
    std::vector<std::uint8_t> start = bytesOf(Start{1, 5});
    start[1] = 0;
    EXPECT_TRUE(refused(start)) << "game 0 is none";
    std::vector<std::uint8_t> checksum = bytesOf(Checksum{1, 8, 1});
    checksum[8] = 0xFF;
    EXPECT_TRUE(refused(checksum)) << "a negative frame";
    std::vector<std::uint8_t> hello = bytesOf(someHello());
    EXPECT_TRUE(refused(changed(0, 0)));
    hello[17] = 'O';
    EXPECT_TRUE(refused(hello)) << "O is not in the code's alphabet";
    hello = bytesOf(someHello());
    hello[2] = 0x07;
    EXPECT_TRUE(refused(hello)) << "a version that is not printable";
    hello = bytesOf(someHello());
    hello[1] = 0;
    EXPECT_TRUE(refused(hello)) << "an empty version";
    hello = bytesOf(someHello());
    hello[10] = 'x';
    EXPECT_TRUE(refused(hello)) << "text after the version's end";
    std::vector<std::uint8_t> longer = bytesOf(Beat{});
    longer.push_back(0);
    EXPECT_TRUE(refused(longer));
}

TEST(Discovery, AnAnswerReadsBackAndNothingElseIsOne)
{
    std::array<std::uint8_t, kLargestAnswer> bytes{};
    const std::size_t length = writeGameAnswer(GameAnswer{"desk top\x01", true}, bytes);
    const std::span<const std::uint8_t> written(bytes.data(), length);
    EXPECT_EQ(readGameAnswer(written), (GameAnswer{"desk top?", true})) << "the name made printable";
    EXPECT_EQ(writeGameAnswer(GameAnswer{std::string(40, 'n'), false}, bytes), kLargestAnswer) << "the name cut";
    EXPECT_EQ(readGameAnswer(std::span<const std::uint8_t>(bytes.data(), kLargestAnswer))->name, std::string(32, 'n'));
    EXPECT_TRUE(isDiscoveryRequest(discoveryRequest()));
    EXPECT_EQ(discoveryRequest()[8], kProtocol & 0xFFu) << "the protocol's version, first of its bytes, travels";
    EXPECT_FALSE(readGameAnswer(discoveryRequest()).has_value()) << "a request is no answer";
    std::vector<std::uint8_t> answer(written.begin(), written.end());
    auto refused = [](std::vector<std::uint8_t> b) { return !readGameAnswer(b).has_value(); };
    EXPECT_TRUE(refused({answer.begin(), answer.end() - 1})) << "shorter than its name";
    answer[12] = 2;
    EXPECT_TRUE(refused(answer)) << "room is yes or no";
    answer[12] = 1;
    answer[13] = 33;
    EXPECT_TRUE(refused(answer)) << "a name longer than any";
    answer[13] = 9;
    answer[14] = 0x7F;
    EXPECT_TRUE(refused(answer)) << "a name that is not printable";
    answer[14] = 'd';
    answer[11] ^= 1;
    EXPECT_TRUE(refused(answer)) << "another protocol";
}
