#include "JoinCode.h"

#include <cctype>

namespace skyvane::net {

namespace {
constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
} // namespace

JoinCode makeJoinCode(std::uint64_t bits)
{
    JoinCode code{};
    for (char& letter : code) {
        letter = kAlphabet[bits % kAlphabet.size()];
        bits /= kAlphabet.size();
    }
    return code;
}

std::optional<JoinCode> readJoinCode(std::string_view text)
{
    if (text.size() != kJoinCodeLength)
        return std::nullopt;
    JoinCode code{};
    for (std::size_t i = 0; i < kJoinCodeLength; ++i) {
        code[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (!isJoinCodeLetter(code[i]))
            return std::nullopt;
    }
    return code;
}

bool isJoinCodeLetter(char letter) { return letter != '\0' && kAlphabet.find(letter) != std::string_view::npos; }

std::string toString(const JoinCode& code) { return std::string(code.begin(), code.end()); }

} // namespace skyvane::net
