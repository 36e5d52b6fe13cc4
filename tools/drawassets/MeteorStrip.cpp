#include "tools/drawassets/MeteorStrip.h"

#include "tools/drawassets/PaletteImage.h"
#include "tools/drawassets/RockModel.h"
#include "tools/drawassets/SpriteCell.h"

namespace skyvane::drawassets {

namespace {

constexpr std::uint64_t kRockSeed = 0x5C17A9E0D4B2ull;
constexpr int kLevels = 200;
constexpr double kRockRadius = 40.8;

// Slate blues from the shadows to the lit facets; finer steps than any one channel has,
// so neighbouring levels differ in at least one of them most of the time.
QList<QRgb> slateRamp() { return colourRamp(qRgb(15, 15, 31), qRgb(80, 96, 127), kLevels); }

} // namespace

QImage MeteorStrip::draw()
{
    const RockModel rock(kRockSeed);
    const QList<QRgb> slate = slateRamp();
    QImage strip(Frames * CellSize, 2 * CellSize, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int frame = 0; frame < Frames; ++frame) {
        const std::vector<int> shades = rock.view(static_cast<double>(frame) / Frames, CellSize, kRockRadius, kLevels);
        QImage cell(CellSize, CellSize, QImage::Format_RGB32);
        cell.fill(Qt::black);
        for (int y = 0; y < CellSize; ++y) {
            auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < CellSize; ++x) {
                const int shade = shades[static_cast<std::size_t>(y * CellSize + x)];
                if (shade > 0)
                    line[x] = slate[shade - 1];
            }
        }
        placeSprite(strip, cell, QPoint(frame * CellSize, 0), MaskOffset);
    }
    return toIndexed8(strip);
}

} // namespace skyvane::drawassets
