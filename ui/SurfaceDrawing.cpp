#include "SurfaceDrawing.h"

#include "game/GameConstants.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace skyvane {

namespace {

constexpr QRgb kBlack = 0xFF000000;

// The sprite corner for a centre: c - s / 2 in double precision, a half going to the even neighbour.
int cornerFor(int centre, int size) { return static_cast<int>(std::nearbyint(centre - size / 2.0)); }

} // namespace

SurfaceDrawing::SurfaceDrawing(Surfaces& surfaces) : surfaces_(surfaces), meteors_(surfaces.meteorSurface()) {}

// The rectangle (0, 0)-(320, 240) with both corners included: the whole client area.
void SurfaceDrawing::ClearPlayArea() { fillWindow(kBlack); }

void SurfaceDrawing::PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour)
{
    const PixelRows target(surfaces_.window());
    if (x < 0 || x >= target.width() || y < 0 || y >= target.height())
        return;
    target.row(y)[x] = kBlack | (colour & 0xFFFFFF);
    dirty_ = true;
}

void SurfaceDrawing::BlitMeteor(std::int16_t centreX, std::int16_t centreY, std::int16_t size, std::int16_t frameX)
{
    const int frame = MeteorFrames::frameAt(frameX);
    if (size < 1 || size > NearestScale::kLargestSize || frame < 0)
        return;
    const PixelRows target(surfaces_.window());
    if (meteors_.draw(target, cornerFor(centreX, size), cornerFor(centreY, size), size, frame))
        dirty_ = true;
}

void SurfaceDrawing::BlitRocket(std::int16_t x, std::int16_t y, std::int16_t sourceX, std::int16_t sourceY)
{
    const QImage& sheet = surfaces_.rocketSheet();
    const PixelRows target(surfaces_.window());
    const int maskY = sourceY + kRocketMaskOffset;
    const Span columns = intersect(visibleOffsets(x, kRocketSize, target.width()),
                                   visibleOffsets(sourceX, kRocketSize, sheet.width()));
    const Span rows = intersect(intersect(visibleOffsets(y, kRocketSize, target.height()),
                                          visibleOffsets(sourceY, kRocketSize, sheet.height())),
                                visibleOffsets(maskY, kRocketSize, sheet.height()));
    if (columns.empty() || rows.empty())
        return;
    const int firstX = columns.begin;
    for (int row = rows.begin; row < rows.end; ++row) {
        combineSpan(target.row(y + row) + (x + firstX), constRow(sheet, maskY + row) + (sourceX + firstX),
                    constRow(sheet, sourceY + row) + (sourceX + firstX), columns.size());
    }
    dirty_ = true;
}

// An opaque copy, black ground included.
void SurfaceDrawing::PaintFinalePicture(std::int16_t x, std::int16_t y)
{
    const QImage& picture = surfaces_.finalePicture();
    const PixelRows target(surfaces_.window());
    const Span columns = visibleOffsets(x, picture.width(), target.width());
    const Span rows = visibleOffsets(y, picture.height(), target.height());
    if (columns.empty() || rows.empty())
        return;
    const auto rowBytes = static_cast<std::size_t>(columns.size()) * sizeof(QRgb);
    for (int row = rows.begin; row < rows.end; ++row)
        std::memcpy(target.row(y + row) + (x + columns.begin), constRow(picture, row) + columns.begin, rowBytes);
    dirty_ = true;
}

void SurfaceDrawing::ClearSurface() { fillWindow(Surfaces::kWindowWhite); }

bool SurfaceDrawing::takeDirty() { return std::exchange(dirty_, false); }

void SurfaceDrawing::fillWindow(QRgb colour)
{
    const PixelRows target(surfaces_.window());
    for (int y = 0; y < target.height(); ++y)
        std::fill_n(target.row(y), target.width(), colour);
    dirty_ = true;
}

} // namespace skyvane
