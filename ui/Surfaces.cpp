#include "Surfaces.h"

#include <algorithm>
#include <cstring>

namespace skyvane {

namespace {

QImage opaqueCopy(const QImage& source) { return source.convertToFormat(QImage::Format_RGB32); }

// The strip at the top left of a surface of at least 1150 x 350, the rest in the background colour.
QImage meteorSurfaceWith(const QImage& meteorStrip, QColor windowBackground)
{
    const QImage strip = opaqueCopy(meteorStrip);
    QImage surface(std::max(strip.width(), Surfaces::kMeteorSurfaceWidth),
                   std::max(strip.height(), Surfaces::kMeteorSurfaceHeight), QImage::Format_RGB32);
    surface.fill(windowBackground.rgb());
    const auto rowBytes = static_cast<std::size_t>(strip.width()) * sizeof(QRgb);
    for (int y = 0; y < strip.height(); ++y)
        std::memcpy(surface.scanLine(y), strip.constScanLine(y), rowBytes);
    return surface;
}

} // namespace

Surfaces::Surfaces(const QImage& rocketSheet, const QImage& meteorStrip, const QImage& finalePicture,
                   QColor windowBackground)
    : window_(kWindowWidth, kWindowHeight, QImage::Format_RGB32),
      rocketSheet_(opaqueCopy(rocketSheet)),
      meteorSurface_(meteorSurfaceWith(meteorStrip, windowBackground)),
      finalePicture_(opaqueCopy(finalePicture))
{
    window_.fill(kWindowWhite);
}

} // namespace skyvane
