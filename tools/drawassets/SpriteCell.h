#pragma once
// Sprite cells of the two sheets: the sprite on exact black, and its mask derived from it,
// so that the mask-AND / image-XOR drawing can show no fringe and no tint.

#include <QImage>
#include <QList>
#include <QPoint>

namespace skyvane::drawassets {

// Settles a cell painted on transparency onto exact black: a pixel at least half covered keeps
// its own (unpremultiplied) colour snapped to `palette`, every other pixel becomes black.
// Silhouettes are therefore crisp, with no dark fringe. `palette` must not hold black.
QImage spriteOnBlack(const QImage& painted, const QList<QRgb>& palette);

// Black wherever the image cell is not black, white elsewhere.
QImage maskOf(const QImage& image);

// Moves the sprite up so that its topmost pixel lies in the cell's top row.
QImage settledToTop(const QImage& sprite);

// Copies the image cell to `at` of the sheet and its mask `maskOffset` pixels below it.
void placeSprite(QImage& sheet, const QImage& image, QPoint at, int maskOffset);

} // namespace skyvane::drawassets
