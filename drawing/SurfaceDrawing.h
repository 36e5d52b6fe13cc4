#pragma once
// The six drawing operations of the game on the window's retained surface.

#include "game/World.h"
#include "MeteorScaler.h"
#include "Surfaces.h"

namespace skyvane {

// Every operation clips to the surfaces itself: any int16 coordinate is valid input, and
// what falls outside is dropped. Nothing is allocated after construction.
class SurfaceDrawing : public Drawing {
public:
    explicit SurfaceDrawing(Surfaces& surfaces);

    void ClearPlayArea() override;
    void PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour) override;
    // Sizes 1..150 only (the scale tables go no further) and frameX one of 0, 100, ..., 900;
    // anything else draws nothing.
    void BlitMeteor(std::int16_t centreX, std::int16_t centreY, std::int16_t size, std::int16_t frameX) override;
    // Source cells that reach beyond the sheet are cut to it, like the destination.
    void BlitRocket(std::int16_t x, std::int16_t y, std::int16_t sourceX, std::int16_t sourceY) override;
    void PaintFinalePicture(std::int16_t x, std::int16_t y) override;
    void ClearSurface() override;

    // Whether anything landed on the window surface since the last call; the window then repaints once.
    bool takeDirty();

private:
    void fillWindow(QRgb colour);

    Surfaces& surfaces_;
    MeteorScaler meteors_;
    bool dirty_ = false;
};

} // namespace skyvane
