#pragma once
// A recording drawing interface and controls: every call becomes one line of a trace.

#include "game/World.h"

#include <ostream>

namespace skyvane::doubles {

class TraceRecorder : public Drawing, public Controls {
public:
    explicit TraceRecorder(std::ostream& out) : out_(out) {}
    bool enabled = true;

    void ClearPlayArea() override;
    void PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour) override;
    void BlitMeteor(std::int16_t centreX, std::int16_t centreY, std::int16_t size, std::int16_t frameX) override;
    void BlitRocket(std::int16_t x, std::int16_t y, std::int16_t sourceX, std::int16_t sourceY) override;
    void PaintFinalePicture(std::int16_t x, std::int16_t y) override;
    void ClearSurface() override;

    void showImage1() override;
    void hideImage1() override;
    void showLabel1() override;
    void hideLabel1() override;
    void setLabel1Caption(std::string_view caption) override;

private:
    void line(std::string_view text);

    std::ostream& out_;
};

} // namespace skyvane::doubles
