#pragma once
// Games on the local network find themselves: a machine asks with a datagram to the game's port,
// by broadcast and to this machine, and every host there answers on its own socket with its name
// and whether it has room. An answer never carries the join code. Answers come from the network:
// the reader takes only well-formed ones.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skyvane::net {

constexpr std::size_t kMostNameBytes = 32;
constexpr std::size_t kRequestBytes = 12;
constexpr std::size_t kLargestAnswer = 14 + kMostNameBytes;

// What a host says of itself.
struct GameAnswer {
    std::string name;  // printable ASCII, at most kMostNameBytes
    bool room = false; // no player has joined yet
    bool operator==(const GameAnswer&) const = default;
};

std::array<std::uint8_t, kRequestBytes> discoveryRequest();
bool isDiscoveryRequest(std::span<const std::uint8_t> bytes);

// The name is cut to kMostNameBytes and every byte outside printable ASCII becomes '?'.
std::size_t writeGameAnswer(const GameAnswer& answer, std::span<std::uint8_t, kLargestAnswer> out);
std::optional<GameAnswer> readGameAnswer(std::span<const std::uint8_t> bytes);

struct FoundGame {
    std::string address;  // where it answered from
    std::uint16_t port = 0;
    GameAnswer answer;
};

// Asks the local network for games and collects the answers; a socket of its own.
class GameFinder {
public:
    static constexpr int kMostAnswersPerCollect = 64;

    GameFinder();  // with no socket to be had, it finds nothing
    ~GameFinder();
    GameFinder(const GameFinder&) = delete;
    GameFinder& operator=(const GameFinder&) = delete;

    // Asks every host on the port: by broadcast, at each network's broadcast address and on this machine.
    void ask(std::uint16_t port);
    // The answers that came since the last call.
    std::vector<FoundGame> collect();

private:
    std::intptr_t socket_;
};

} // namespace skyvane::net
