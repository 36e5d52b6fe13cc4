#pragma once
// The messages of a net game and their bytes. What arrives from the network is untrusted: the
// reader checks every field and answers nothing for a message it cannot take whole, and no
// field sizes anything beyond the fixed bounds here.

#include "FrameInput.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

namespace skyvane::net {

// "SKY" and the protocol's version, the data of every connect request: another protocol is
// turned away before any of its packets is read.
constexpr std::uint32_t kProtocol = 0x534B5901;

constexpr std::size_t kVersionBytes = 16;   // the program's version, as --version prints it
constexpr std::size_t kJoinCodeLength = 4;
constexpr std::size_t kMostInputs = 32;     // inputs in one message: more than ever go unacknowledged
constexpr std::int32_t kLastFrame = 1 << 30;  // no frame number of a game reaches this

using JoinCode = std::array<char, kJoinCodeLength>;
using VersionText = std::array<char, kVersionBytes>;  // printable ASCII, padded with zeros

// The joining machine introduces itself once connected.
struct Hello {
    VersionText version{};
    JoinCode code{};
    bool operator==(const Hello&) const = default;
};
// The host takes the joining player.
struct Welcome {
    bool operator==(const Welcome&) const = default;
};
// The host begins game number `game` on both machines, from the seed.
struct Start {
    std::uint32_t game = 0;
    std::uint64_t seed = 0;
    bool operator==(const Start&) const = default;
};
// The joining player chose the start command during game number `game` (0 before any).
struct StartRequest {
    std::uint32_t game = 0;
    bool operator==(const StartRequest&) const = default;
};
// The sender's own inputs of the frames first .. first + count - 1, sent again until known there.
struct Inputs {
    std::uint32_t game = 0;
    std::int32_t present = 0;     // the last frame the sender ran
    std::int32_t known = 0;       // the last frame up to which the sender knows every input of ours
    std::int8_t advantage = 0;    // how many frames the sender ran beyond our latest frame it heard of
    std::int32_t first = 0;
    std::uint8_t count = 0;
    std::array<FrameInput, kMostInputs> inputs{};
    bool operator==(const Inputs&) const = default;
};
// The sender's checksum of the state of an agreed frame.
struct Checksum {
    std::uint32_t game = 0;
    std::int32_t frame = 0;
    std::uint32_t value = 0;
    bool operator==(const Checksum&) const = default;
};
// The sender found that the two machines' states of a frame differ.
struct Mismatch {
    std::uint32_t game = 0;
    std::int32_t frame = 0;
    std::uint32_t senders = 0;
    std::uint32_t receivers = 0;
    bool operator==(const Mismatch&) const = default;
};
// Sent when nothing else was for a while, so silence means the other machine is gone.
struct Beat {
    bool operator==(const Beat&) const = default;
};

using Message = std::variant<Hello, Welcome, Start, StartRequest, Inputs, Checksum, Mismatch, Beat>;

constexpr std::size_t kLargestMessage = 19 + kMostInputs;  // an Inputs message with every input

// Whether the message goes on the reliable, ordered channel (everything but inputs and beats).
bool isReliable(const Message& message);

// The message the bytes hold, or nothing: an unknown type, a length other than the type's, a
// field out of its range (counts, frames, version text, join code, input bits).
std::optional<Message> readMessage(std::span<const std::uint8_t> bytes);

// Writes the message and returns its length in bytes.
std::size_t writeMessage(const Message& message, std::span<std::uint8_t, kLargestMessage> out);

} // namespace skyvane::net
