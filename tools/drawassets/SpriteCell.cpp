#include "tools/drawassets/SpriteCell.h"

#include "tools/drawassets/PaletteImage.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

namespace skyvane::drawassets {

namespace {
constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;
} // namespace

QImage spriteOnBlack(const QImage& painted, const QList<QRgb>& palette)
{
    const QImage straight = painted.convertToFormat(QImage::Format_ARGB32);
    QImage sprite(straight.size(), QImage::Format_RGB32);
    QHash<QRgb, QRgb> snapped;
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                out[x] = kBlack;
                continue;
            }
            const QRgb colour = in[x] | 0xff000000u;
            auto found = snapped.constFind(colour);
            if (found == snapped.constEnd())
                found = snapped.insert(colour, nearestColour(colour, palette));
            out[x] = *found;
        }
    }
    return sprite;
}

QImage maskOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage mask(rgb.size(), QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = (in[x] | 0xff000000u) == kBlack ? kWhite : kBlack;
    }
    return mask;
}

QImage settledToTop(const QImage& sprite)
{
    int top = 0;
    auto rowIsBlack = [&sprite](int y) {
        const auto* line = reinterpret_cast<const QRgb*>(sprite.constScanLine(y));
        for (int x = 0; x < sprite.width(); ++x)
            if ((line[x] | 0xff000000u) != kBlack)
                return false;
        return true;
    };
    while (top < sprite.height() && rowIsBlack(top))
        ++top;
    QImage settled(sprite.size(), QImage::Format_RGB32);
    settled.fill(kBlack);
    for (int y = top; y < sprite.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(sprite.constScanLine(y)), sprite.width(),
                    reinterpret_cast<QRgb*>(settled.scanLine(y - top)));
    return settled;
}

void placeSprite(QImage& sheet, const QImage& image, QPoint at, int maskOffset)
{
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, image);
    painter.drawImage(at + QPoint(0, maskOffset), maskOf(image));
}

} // namespace skyvane::drawassets
