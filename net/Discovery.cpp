#include "Discovery.h"

#include "NetworkLibrary.h"
#include "Protocol.h"
#include "platform/LocalAddresses.h"

#include <enet/enet.h>

#include <algorithm>

namespace skyvane::net {

namespace {

constexpr std::array<std::uint8_t, 8> kAsking{'S', 'K', 'Y', 'V', 'A', 'N', 'E', '?'};
constexpr std::array<std::uint8_t, 8> kAnswering{'S', 'K', 'Y', 'V', 'A', 'N', 'E', '!'};
constexpr std::size_t kHeader = 8 + 4;  // the word, then the protocol

void putProtocol(std::span<std::uint8_t> out)
{
    for (std::size_t i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>((kProtocol >> (8u * i)) & 0xFFu);
}

bool startsWith(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, 8>& word)
{
    if (bytes.size() < kHeader || !std::equal(word.begin(), word.end(), bytes.begin()))
        return false;
    std::array<std::uint8_t, 4> protocol{};
    putProtocol(protocol);
    return std::equal(protocol.begin(), protocol.end(), bytes.begin() + 8);
}

bool isPrintable(std::uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; }

ENetSocket socketOf(std::intptr_t socket) { return static_cast<ENetSocket>(socket); }

} // namespace

std::array<std::uint8_t, kRequestBytes> discoveryRequest()
{
    std::array<std::uint8_t, kRequestBytes> request{};
    std::copy(kAsking.begin(), kAsking.end(), request.begin());
    putProtocol(std::span(request).subspan(8));
    return request;
}

bool isDiscoveryRequest(std::span<const std::uint8_t> bytes)
{
    return bytes.size() == kRequestBytes && startsWith(bytes, kAsking);
}

// The word and the protocol, whether there is room, the name's length and the name.
std::size_t writeGameAnswer(const GameAnswer& answer, std::span<std::uint8_t, kLargestAnswer> out)
{
    std::copy(kAnswering.begin(), kAnswering.end(), out.begin());
    putProtocol(out.subspan(8));
    const std::size_t length = std::min(answer.name.size(), kMostNameBytes);
    out[kHeader] = answer.room ? 1 : 0;
    out[kHeader + 1] = static_cast<std::uint8_t>(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<std::uint8_t>(answer.name[i]);
        out[kHeader + 2 + i] = isPrintable(byte) ? byte : '?';
    }
    return kHeader + 2 + length;
}

std::optional<GameAnswer> readGameAnswer(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kHeader + 2 || !startsWith(bytes, kAnswering) || bytes[kHeader] > 1)
        return std::nullopt;
    const std::size_t length = bytes[kHeader + 1];
    if (length > kMostNameBytes || bytes.size() != kHeader + 2 + length)
        return std::nullopt;
    const std::span<const std::uint8_t> name = bytes.subspan(kHeader + 2);
    if (!std::all_of(name.begin(), name.end(), isPrintable))
        return std::nullopt;
    return GameAnswer{std::string(name.begin(), name.end()), bytes[kHeader] == 1};
}

GameFinder::GameFinder() : socket_(ENET_SOCKET_NULL)
{
    if (!startNetworkLibrary())
        return;
    const ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (socket == ENET_SOCKET_NULL)
        return;
    enet_socket_set_option(socket, ENET_SOCKOPT_NONBLOCK, 1);
    enet_socket_set_option(socket, ENET_SOCKOPT_BROADCAST, 1);
    socket_ = static_cast<std::intptr_t>(socket);
}

GameFinder::~GameFinder()
{
    if (socketOf(socket_) != ENET_SOCKET_NULL)
        enet_socket_destroy(socketOf(socket_));
}

void GameFinder::ask(std::uint16_t port)
{
    if (socketOf(socket_) == ENET_SOCKET_NULL)
        return;
    std::array<std::uint8_t, kRequestBytes> request = discoveryRequest();
    ENetBuffer buffer{};
    buffer.data = request.data();
    buffer.dataLength = request.size();
    std::vector<std::string> places = broadcastAddresses();
    places.emplace_back("255.255.255.255");
    places.emplace_back("127.0.0.1");
    for (const std::string& place : places) {
        ENetAddress address{};
        address.port = port;
        if (enet_address_set_host_ip(&address, place.c_str()) == 0)
            enet_socket_send(socketOf(socket_), &address, &buffer, 1);
    }
}

std::vector<FoundGame> GameFinder::collect()
{
    std::vector<FoundGame> found;
    if (socketOf(socket_) == ENET_SOCKET_NULL)
        return found;
    for (int answers = 0; answers < kMostAnswersPerCollect; ++answers) {
        std::array<std::uint8_t, kLargestAnswer + 1> bytes{};
        ENetBuffer buffer{};
        buffer.data = bytes.data();
        buffer.dataLength = bytes.size();
        ENetAddress from{};
        const int length = enet_socket_receive(socketOf(socket_), &from, &buffer, 1);
        if (length <= 0)
            break;
        const std::optional<GameAnswer> answer =
            readGameAnswer(std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(length)));
        std::array<char, 64> address{};
        if (answer && enet_address_get_host_ip(&from, address.data(), address.size()) == 0)
            found.push_back(FoundGame{address.data(), from.port, *answer});
    }
    return found;
}

} // namespace skyvane::net
