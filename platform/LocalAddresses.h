#pragma once
// The addresses by which other machines reach this one, and its name.

#include <string>
#include <vector>

namespace skyvane {

// The IPv4 address of every network interface that is up, loopback excepted, in the order
// the system lists them; empty on a machine with no network.
std::vector<std::string> localAddresses();

// The IPv4 broadcast address of every such interface that has one.
std::vector<std::string> broadcastAddresses();

// The machine's name on the network, printable ASCII; "" when it has none.
std::string machineName();

} // namespace skyvane
