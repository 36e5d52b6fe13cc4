#pragma once
// The addresses by which other machines reach this one.

#include <string>
#include <vector>

namespace skyvane {

// The IPv4 address of every network interface that is up, loopback excepted, in the order
// the system lists them; empty on a machine with no network.
std::vector<std::string> localAddresses();

} // namespace skyvane
