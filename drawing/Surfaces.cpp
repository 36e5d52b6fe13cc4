#include "Surfaces.h"

#include "MeteorScaler.h"
#include "SpriteRaster.h"

#include <cstring>

namespace skyvane {

namespace {

QImage opaqueCopy(const QImage& source) { return source.convertToFormat(QImage::Format_RGB32); }

// The strip, and black to its right where the meteor scaler reads ahead of the pixels it uses.
QImage meteorSurfaceWith(const QImage& meteorStrip)
{
    const QImage strip = opaqueCopy(meteorStrip);
    QImage surface(strip.width() + MeteorScaler::kReadAhead, strip.height(), QImage::Format_RGB32);
    surface.fill(kOpaque);
    const auto rowBytes = static_cast<std::size_t>(strip.width()) * sizeof(QRgb);
    for (int y = 0; y < strip.height(); ++y)
        std::memcpy(surface.scanLine(y), strip.constScanLine(y), rowBytes);
    return surface;
}

} // namespace

Surfaces::Surfaces(const QImage& rocketSheet, const QImage& meteorStrip, const QImage& finalePicture)
    : window_(kWindowWidth, kWindowHeight, QImage::Format_RGB32),
      rocketSheet_(opaqueCopy(rocketSheet)),
      meteorSurface_(meteorSurfaceWith(meteorStrip)),
      finalePicture_(opaqueCopy(finalePicture))
{
    window_.fill(kWindowWhite);
}

} // namespace skyvane
