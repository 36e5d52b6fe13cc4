#pragma once
// A UDP relay between two machines on loopback that stands in for a network: each datagram is
// delayed (half the round trip, plus jitter), dropped, duplicated or held back behind later ones,
// each with the chances given, from a seeded generator. It runs on a thread of its own.

#include <atomic>
#include <cstdint>
#include <thread>

namespace skyvane::testing {

struct LinkFaults {
    int roundTripMs = 0;
    int jitterMs = 0;         // added to each datagram's delay, 0 .. jitterMs
    double dropped = 0.0;
    double duplicated = 0.0;
    double heldBack = 0.0;    // held 5 to 15 ms more, so later datagrams overtake it
};

class Relay {
public:
    // Forwards what arrives on its own port to the host's port, and the answers back.
    Relay(std::uint16_t hostPort, LinkFaults faults, unsigned seed);
    ~Relay();
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    std::uint16_t port() const { return port_; }
    // From now on every datagram is lost, as if a cable were pulled.
    void cut() { cut_ = true; }

private:
    void run(std::uint16_t hostPort, LinkFaults faults, unsigned seed);

    int outer_ = -1;  // the joining machine's side
    int inner_ = -1;  // the host's side
    std::uint16_t port_ = 0;
    std::atomic<bool> cut_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace skyvane::testing
