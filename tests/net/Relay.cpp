#include "Relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

namespace skyvane::testing {

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in loopback(std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

int boundSocket()
{
    const int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in any = loopback(0);
    ::bind(socket, reinterpret_cast<const sockaddr*>(&any), sizeof any);
    return socket;
}

struct Datagram {
    Clock::time_point due;
    int socket;
    sockaddr_in to;
    std::vector<char> bytes;
};

} // namespace

Relay::Relay(std::uint16_t hostPort, LinkFaults faults, unsigned seed) : outer_(boundSocket()), inner_(boundSocket())
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(outer_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([=, this] { run(hostPort, faults, seed); });
}

Relay::~Relay()
{
    stop_ = true;
    thread_.join();
    ::close(outer_);
    ::close(inner_);
}

void Relay::run(std::uint16_t hostPort, LinkFaults faults, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> jitter(0, faults.jitterMs);
    std::uniform_int_distribution<int> hold(5, 15);
    const sockaddr_in host = loopback(hostPort);
    sockaddr_in joiner{};
    std::vector<Datagram> pending;
    auto schedule = [&](int socket, const sockaddr_in& to, std::vector<char> bytes) {
        if (cut_ || chance(random) < faults.dropped)
            return;
        const int copies = chance(random) < faults.duplicated ? 2 : 1;
        for (int copy = 0; copy < copies; ++copy) {
            int delayMs = faults.roundTripMs / 2 + jitter(random);
            if (chance(random) < faults.heldBack)
                delayMs += hold(random);
            pending.push_back({Clock::now() + std::chrono::milliseconds(delayMs), socket, to, bytes});
        }
    };
    while (!stop_) {
        pollfd sockets[2] = {{outer_, POLLIN, 0}, {inner_, POLLIN, 0}};
        ::poll(sockets, 2, 1);
        std::vector<char> bytes(2048);
        if ((sockets[0].revents & POLLIN) != 0) {
            socklen_t length = sizeof joiner;
            const auto size = ::recvfrom(outer_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&joiner), &length);
            if (size > 0)
                schedule(inner_, host, {bytes.begin(), bytes.begin() + size});
        }
        if ((sockets[1].revents & POLLIN) != 0) {
            const auto size = ::recv(inner_, bytes.data(), bytes.size(), 0);
            if (size > 0)
                schedule(outer_, joiner, {bytes.begin(), bytes.begin() + size});
        }
        const auto now = Clock::now();
        auto due = std::stable_partition(pending.begin(), pending.end(), [&](const Datagram& d) { return d.due > now; });
        std::stable_sort(due, pending.end(), [](const Datagram& a, const Datagram& b) { return a.due < b.due; });
        for (auto datagram = due; datagram != pending.end(); ++datagram)
            ::sendto(datagram->socket, datagram->bytes.data(), datagram->bytes.size(), 0,
                     reinterpret_cast<const sockaddr*>(&datagram->to), sizeof datagram->to);
        pending.erase(due, pending.end());
    }
}

} // namespace skyvane::testing
