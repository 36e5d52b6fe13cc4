#pragma once
// The short code a host shows and a joining player must give: four letters and digits from an
// alphabet without look-alikes (no I, O, 0 or 1), read in either case.

#include "Protocol.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyvane::net {

// A code from 64 random bits.
JoinCode makeJoinCode(std::uint64_t bits);

// The code as typed, or nothing when it is not four letters of the alphabet.
std::optional<JoinCode> readJoinCode(std::string_view text);

bool isJoinCodeLetter(char letter);

std::string toString(const JoinCode& code);

} // namespace skyvane::net
