#include "NetStart.h"

#include "ExitCodes.h"
#include "net/JoinCode.h"
#include "platform/FreshSeed.h"
#include "platform/LocalAddresses.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace skyvane {

namespace {

// Hears how a join goes; messages of the game wait in the session until the window takes them.
class JoinOutcome : public net::SessionEvents {
public:
    void joined() override { welcomed = true; }
    bool received(const net::Message&) override { return true; }
    void left(net::EndReason why) override { reason = why; }
    void turnedAway(net::EndReason, const std::string&) override {}
    bool welcomed = false;
    net::EndReason reason = net::EndReason::NoAnswer;
};

std::variant<std::unique_ptr<net::Session>, int> host(std::uint16_t port, std::string_view version)
{
    std::unique_ptr<net::Session> session = openHost(port, net::makeJoinCode(freshSeed()), version);
    if (!session) {
        std::fprintf(stderr, "skyvane: cannot host on UDP port %u: another program has it\n", unsigned{port});
        return kExitNetwork;
    }
    return session;
}

std::variant<std::unique_ptr<net::Session>, int> join(const net::NetAddress& address, const net::JoinCode& code,
                                                      std::string_view version)
{
    std::unique_ptr<net::Session> session = net::Session::join(address.host, address.port, code, version);
    if (!session) {
        std::fprintf(stderr, "skyvane: cannot join %s: no such host\n", address.host.c_str());
        return kExitNetwork;
    }
    JoinOutcome outcome;
    while (!outcome.welcomed && !session->over()) {
        session->service(outcome);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!outcome.welcomed) {
        std::fprintf(stderr, "skyvane: cannot join %s:%u: %s\n", address.host.c_str(), unsigned{address.port},
                     net::describe(outcome.reason));
        return kExitNetwork;
    }
    return session;
}

} // namespace

std::vector<std::string> addressesToGive()
{
    std::vector<std::string> addresses = localAddresses();
    if (addresses.empty())
        addresses.emplace_back("127.0.0.1");
    return addresses;
}

std::unique_ptr<net::Session> openHost(std::uint16_t port, const net::JoinCode& code, std::string_view version)
{
    std::unique_ptr<net::Session> session = net::Session::host(port, code, version);
    if (!session)
        return session;
    const std::string codeText = net::toString(code);
    std::printf("Hosting a net game on UDP port %u with join code %s; waiting for a player.\n", unsigned{session->port()},
                codeText.c_str());
    for (const std::string& address : addressesToGive())
        std::printf("The other player joins with: skyvane --join %s:%u --code %s\n", address.c_str(),
                    unsigned{session->port()}, codeText.c_str());
    std::fflush(stdout);
    return session;
}

std::variant<std::unique_ptr<net::Session>, int> startSession(const CommandLine& command, std::string_view version)
{
    if (command.hostPort)
        return host(*command.hostPort, version);
    if (command.join)
        return join(*command.join, command.joinCode, version);
    return std::unique_ptr<net::Session>();
}

} // namespace skyvane
