#pragma once
// Exact conversion of drawn pictures to 8-bit palette images: no dithering, no quantising by Qt.

#include <QImage>
#include <QList>

namespace skyvane::drawassets {

// One palette entry per colour the opaque picture uses, in ascending RGB order, and every
// pixel's index set to its own colour. Throws std::runtime_error above 256 colours.
QImage toIndexed8(const QImage& picture);

// The palette colour nearest to `colour` by squared RGB distance; the first of equals wins.
QRgb nearestColour(QRgb colour, const QList<QRgb>& palette);

// Replaces every pixel of an opaque picture by its nearest palette colour.
void snapToPalette(QImage& picture, const QList<QRgb>& palette);

// A ramp of `steps` colours from `from` to `to`, both included, each channel rounded.
QList<QRgb> colourRamp(QRgb from, QRgb to, int steps);

} // namespace skyvane::drawassets
