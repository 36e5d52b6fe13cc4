#include "SurfaceDrawing.h"

#include "game/GameConstants.h"

#include <cmath>
#include <cstring>
#include <cwchar>
#include <utility>

namespace skyvane {

namespace {

constexpr QRgb kBlack = kOpaque;

// The C library fills 32-bit units with aligned stores of the widest vectors the host has.
void fillPixels(QRgb* pixels, std::size_t count, QRgb colour)
{
    if constexpr (sizeof(wchar_t) == sizeof(QRgb))
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(colour), count);
    else
        std::fill_n(pixels, count, colour);
}

// The visible rows and columns of a rocket cell, its mask cell kRocketMaskOffset rows lower.
SKYVANE_AVX2_CLONES void combineRocket(const PixelRows& target, QPoint corner, const ConstPixelRows& sheet,
                                       QPoint cell, Span columns, Span rows)
{
    const int firstX = cell.x() + columns.begin;
    for (int row = rows.begin; row < rows.end; ++row) {
        combineSpan(target.row(corner.y() + row) + (corner.x() + columns.begin),
                    sheet.row(cell.y() + kRocketMaskOffset + row) + firstX, sheet.row(cell.y() + row) + firstX,
                    columns.size());
    }
}

// The sprite corner for a centre: c - s / 2 in double precision, a half going to the even neighbour.
int cornerFor(int centre, int size) { return static_cast<int>(std::nearbyint(centre - size / 2.0)); }

} // namespace

SurfaceDrawing::SurfaceDrawing(Surfaces& surfaces) : surfaces_(surfaces), meteors_(surfaces.meteorSurface()) {}

// The rectangle (0, 0)-(320, 240) with both corners included: the whole client area.
void SurfaceDrawing::ClearPlayArea() { fillWindow(kBlack); }

// Two calls on the image rather than a whole row lookup: points are the most frequent operation.
void SurfaceDrawing::PlotPoint(std::int16_t x, std::int16_t y, std::uint32_t colour)
{
    QImage& target = surfaces_.window();
    if (!target.valid(x, y))
        return;
    reinterpret_cast<QRgb*>(target.scanLine(y))[x] = kBlack | (colour & 0xFFFFFF);
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
    const ConstPixelRows sheet(surfaces_.rocketSheet());
    const PixelRows target(surfaces_.window());
    const int maskY = sourceY + kRocketMaskOffset;
    const Span columns = intersect(visibleOffsets(x, kRocketSize, target.width()),
                                   visibleOffsets(sourceX, kRocketSize, sheet.width()));
    const Span rows = intersect(intersect(visibleOffsets(y, kRocketSize, target.height()),
                                          visibleOffsets(sourceY, kRocketSize, sheet.height())),
                                visibleOffsets(maskY, kRocketSize, sheet.height()));
    if (columns.empty() || rows.empty())
        return;
    combineRocket(target, QPoint(x, y), sheet, QPoint(sourceX, sourceY), columns, rows);
    dirty_ = true;
}

// An opaque copy, black ground included.
void SurfaceDrawing::PaintFinalePicture(std::int16_t x, std::int16_t y)
{
    const ConstPixelRows picture(surfaces_.finalePicture());
    const PixelRows target(surfaces_.window());
    const Span columns = visibleOffsets(x, picture.width(), target.width());
    const Span rows = visibleOffsets(y, picture.height(), target.height());
    if (columns.empty() || rows.empty())
        return;
    const auto rowBytes = static_cast<std::size_t>(columns.size()) * sizeof(QRgb);
    for (int row = rows.begin; row < rows.end; ++row)
        std::memcpy(target.row(y + row) + (x + columns.begin), picture.row(row) + columns.begin, rowBytes);
    dirty_ = true;
}

void SurfaceDrawing::ClearSurface() { fillWindow(Surfaces::kWindowWhite); }

bool SurfaceDrawing::takeDirty() { return std::exchange(dirty_, false); }

void SurfaceDrawing::fillWindow(QRgb colour)
{
    const PixelRows target(surfaces_.window());
    fillPixels(target.row(0), target.pixelCount(), colour);
    dirty_ = true;
}

} // namespace skyvane
