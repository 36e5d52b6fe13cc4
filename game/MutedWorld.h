#pragma once
// A drawing and window controls that show nothing: for frames whose state is wanted and whose
// picture is not, such as frames run again after a net game rolls back.

#include "World.h"

namespace skyvane {

class MutedDrawing : public Drawing {
public:
    void ClearPlayArea() override {}
    void PlotPoint(std::int16_t, std::int16_t, std::uint32_t) override {}
    void BlitMeteor(std::int16_t, std::int16_t, std::int16_t, std::int16_t) override {}
    void BlitRocket(std::int16_t, std::int16_t, std::int16_t, std::int16_t) override {}
    void PaintFinalePicture(std::int16_t, std::int16_t) override {}
    void ClearSurface() override {}
};

class MutedControls : public Controls {
public:
    void showImage1() override {}
    void hideImage1() override {}
    void showLabel1() override {}
    void hideLabel1() override {}
    void setLabel1Caption(std::string_view) override {}
};

} // namespace skyvane
