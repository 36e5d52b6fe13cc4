#pragma once
// The small interfaces through which the game reaches the world outside its rules.

#include <cstdint>
#include <string_view>

namespace skyvane {

// Milliseconds since system start, 32 bits, read as a signed number.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual std::int32_t GetTickCount() = 0;
};

// Uniform single-precision values in [0, 1), strictly below 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// Shows what the pass drew, handles every pending window event, then returns without waiting.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void pumpEvents() = 0;
};

// The six drawing operations, all onto the window's retained surface.
// Colours are 0xRRGGBB. Whatever falls outside a surface is dropped.
class Drawing {
public:
    virtual ~Drawing() = default;
    virtual void ClearPlayArea() = 0;
    virtual void PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour) = 0;
    virtual void BlitMeteor(std::int16_t centreX, std::int16_t centreY, std::int16_t size, std::int16_t frameX) = 0;
    virtual void BlitRocket(std::int16_t x, std::int16_t y, std::int16_t sourceX, std::int16_t sourceY) = 0;
    virtual void PaintFinalePicture(std::int16_t x, std::int16_t y) = 0;
    virtual void ClearSurface() = 0;
};

// The window controls the game shows and hides: the title picture and the message label.
class Controls {
public:
    virtual ~Controls() = default;
    virtual void showImage1() = 0;
    virtual void hideImage1() = 0;
    virtual void showLabel1() = 0;
    virtual void hideLabel1() = 0;
    virtual void setLabel1Caption(std::string_view caption) = 0;
};

// Everything a game reaches outside its state, for GameMain and each of its phases.
struct World {
    TickCounter& clock;
    RandomSource& random;
    EventPump& pump;
    Drawing& drawing;
    Controls& controls;
};

} // namespace skyvane
