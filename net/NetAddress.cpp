#include "NetAddress.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace skyvane::net {

std::optional<std::uint16_t> readPort(std::string_view text)
{
    unsigned port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

std::optional<NetAddress> readNetAddress(std::string_view text, std::uint16_t defaultPort)
{
    const std::size_t colon = text.rfind(':');
    const std::string_view host = text.substr(0, colon);
    if (host.empty() || std::any_of(host.begin(), host.end(), [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0 || c == ':'; }))
        return std::nullopt;
    if (colon == std::string_view::npos)
        return NetAddress{std::string(host), defaultPort};
    const std::optional<std::uint16_t> port = readPort(text.substr(colon + 1));
    if (!port)
        return std::nullopt;
    return NetAddress{std::string(host), *port};
}

} // namespace skyvane::net
