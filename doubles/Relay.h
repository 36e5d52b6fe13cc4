#pragma once
// A network between two machines on loopback, for the net game's tests: a UDP relay that
// delays, drops, duplicates and reorders datagrams.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <thread>
#include <vector>

namespace skyvane::doubles {

struct LinkFaults {
    int roundTripMs = 0;
    int jitterMs = 0;  // added to each datagram's delay, 0 .. jitterMs
    double dropped = 0.0;
};

// A UDP relay between two machines on loopback that stands in for a network: each datagram is
// delayed (half the round trip, plus jitter) or dropped, and some are duplicated or held back
// behind later ones, from a seeded generator, on a thread of its own. What arrives from the
// host's port goes to the machine that sent last from any other, and the rest to the host.
class Relay {
public:
    static constexpr double kDuplicated = 0.02;
    static constexpr double kHeldBack = 0.03;  // held 5 to 15 ms more, so later datagrams overtake it

    Relay(std::uint16_t hostPort, LinkFaults faults, unsigned seed) : host_(loopback(hostPort))
    {
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length);
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::jthread([=, this](std::stop_token stop) { run(stop, faults, seed); });
    }
    ~Relay()
    {
        thread_ = {};  // stopped and joined
        ::close(socket_);
    }

    std::uint16_t port() const { return port_; }
    // From now on every datagram is lost, as if a cable were pulled.
    void cut() { cut_ = true; }

private:
    static sockaddr_in loopback(std::uint16_t p) { return {AF_INET, htons(p), {htonl(INADDR_LOOPBACK)}, {}}; }

    // Datagrams due at the same time leave in the order they came.
    void run(std::stop_token stop, LinkFaults faults, unsigned seed)
    {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        std::uniform_int_distribution<int> jitter(0, faults.jitterMs);
        std::multimap<std::chrono::steady_clock::time_point, std::pair<sockaddr_in, std::vector<char>>> pending;
        sockaddr_in joiner{};
        while (!stop.stop_requested()) {
            pollfd polled{socket_, POLLIN, 0};
            char bytes[2048];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            auto* sender = reinterpret_cast<sockaddr*>(&from);
            ::poll(&polled, 1, 1);  // a millisecond at most
            const auto size = ::recvfrom(socket_, bytes, sizeof bytes, MSG_DONTWAIT, sender, &length);
            const bool fromHost = from.sin_port == host_.sin_port;
            if (size > 0 && !fromHost)
                joiner = from;
            if (size > 0 && !cut_ && chance(random) >= faults.dropped) {
                for (int copy = chance(random) < kDuplicated ? 2 : 1; copy > 0; --copy) {
                    int delayMs = faults.roundTripMs / 2 + jitter(random);
                    if (chance(random) < kHeldBack)
                        delayMs += std::uniform_int_distribution<int>(5, 15)(random);
                    const sockaddr_in& to = fromHost ? joiner : host_;
                    pending.emplace(std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs),
                                    std::pair(to, std::vector<char>(bytes, bytes + size)));
                }
            }
            for (auto due = pending.begin(); due != pending.end() && due->first <= std::chrono::steady_clock::now();) {
                const auto& [to, datagram] = due->second;
                ::sendto(socket_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                         sizeof to);
                due = pending.erase(due);
            }
        }
    }

    sockaddr_in host_;
    int socket_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    std::uint16_t port_ = 0;
    std::atomic<bool> cut_{false};
    std::jthread thread_;
};

} // namespace skyvane::doubles
