#include "LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <array>

namespace skyvane {

namespace {

// One address of every IPv4 interface that is up, loopback excepted: the interface's own, or
// its broadcast address.
std::vector<std::string> interfaceAddresses(bool broadcast)
{
    std::vector<std::string> addresses;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return addresses;
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET ||
            (entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        const sockaddr* chosen = broadcast ? ((entry->ifa_flags & IFF_BROADCAST) != 0 ? entry->ifa_broadaddr : nullptr)
                                           : entry->ifa_addr;
        char text[INET_ADDRSTRLEN] = {};
        if (chosen != nullptr &&
            inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(chosen)->sin_addr, text, sizeof text) != nullptr)
            addresses.emplace_back(text);
    }
    freeifaddrs(interfaces);
    return addresses;
}

} // namespace

std::vector<std::string> localAddresses() { return interfaceAddresses(false); }

std::vector<std::string> broadcastAddresses() { return interfaceAddresses(true); }

std::string machineName()
{
    std::array<char, 256> name{};
    if (gethostname(name.data(), name.size() - 1) != 0)
        return {};
    std::string printable(name.data());
    for (char& letter : printable)
        if (letter < 0x20 || letter > 0x7E)
            letter = '?';
    return printable;
}

} // namespace skyvane
