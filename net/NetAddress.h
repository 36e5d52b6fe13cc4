#pragma once
// Where a host is: a name or an IPv4 address, and a UDP port.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyvane::net {

struct NetAddress {
    std::string host;
    std::uint16_t port = 0;
    bool operator==(const NetAddress&) const = default;
};

// "ADDRESS" or "ADDRESS:PORT"; nothing for an empty address, one with spaces, or a port that is
// not a whole number from 1 to 65535.
std::optional<NetAddress> readNetAddress(std::string_view text, std::uint16_t defaultPort);

// A port as typed: a whole number from 1 to 65535.
std::optional<std::uint16_t> readPort(std::string_view text);

} // namespace skyvane::net
