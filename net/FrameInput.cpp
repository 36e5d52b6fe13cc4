#include "FrameInput.h"

namespace skyvane::net {

namespace {
constexpr std::uint8_t kSteerBits = 0x03;
constexpr std::uint8_t kThrustBit = 0x04;
constexpr std::uint8_t kEscapeBit = 0x08;
constexpr std::uint8_t kSteerValues = 3;  // -1, 0 and +1, each plus one
} // namespace

std::uint8_t FrameInput::pack() const
{
    return static_cast<std::uint8_t>((steer + 1) | (thrust ? kThrustBit : 0) | (escape ? kEscapeBit : 0));
}

std::optional<FrameInput> FrameInput::unpack(std::uint8_t byte)
{
    const auto steerBits = static_cast<std::uint8_t>(byte & kSteerBits);
    if ((byte & ~(kSteerBits | kThrustBit | kEscapeBit)) != 0 || steerBits >= kSteerValues)
        return std::nullopt;
    return FrameInput{static_cast<std::int8_t>(steerBits - 1), (byte & kThrustBit) != 0, (byte & kEscapeBit) != 0};
}

FrameInput readKeyCells(const GameState& keys)
{
    const std::int16_t steer = keys.Steer[0] != 0 ? keys.Steer[0] : keys.Steer[1];
    return FrameInput{static_cast<std::int8_t>(steer), keys.Thrust[0] == 1 || keys.Thrust[1] == 1, keys.Playing == 0};
}

void applyFrameInputs(GameState& s, const FrameInputs& inputs)
{
    for (int player = 0; player < 2; ++player) {
        const FrameInput& input = inputs[static_cast<std::size_t>(player)];
        s.Steer[player] = input.steer;
        s.Thrust[player] = input.thrust ? 1 : 0;
    }
    if (inputs[0].escape || inputs[1].escape)
        s.Playing = 0;
}

} // namespace skyvane::net
