#include "ReferenceDrawing.h"

#include <cmath>
#include <cstdint>

namespace skyvane::test {

void referenceSprite(QImage& window, const QImage& source, QPoint imageCell, QPoint maskCell, int cellSize,
                     QPoint corner, int size)
{
    for (int dy = 0; dy < size; ++dy) {
        for (int dx = 0; dx < size; ++dx) {
            const QPoint target = corner + QPoint(dx, dy);
            const QPoint sample(static_cast<int>(std::floor((dx + 0.5) * cellSize / size)),
                                static_cast<int>(std::floor((dy + 0.5) * cellSize / size)));
            const QPoint image = imageCell + sample;
            const QPoint mask = maskCell + sample;
            if (!window.rect().contains(target) || !source.rect().contains(image) || !source.rect().contains(mask))
                continue;
            const QRgb below = window.pixel(target);
            window.setPixel(target, ((below & source.pixel(mask)) ^ source.pixel(image)) | 0xFF000000);
        }
    }
}

void referenceMeteor(QImage& window, const QImage& strip, int centreX, int centreY, int size, int frameX)
{
    const auto corner = [size](int centre) { return static_cast<int>(std::nearbyint(centre - size / 2.0)); };
    referenceSprite(window, strip, QPoint(frameX, 0), QPoint(frameX, 100), 100, QPoint(corner(centreX), corner(centreY)),
                    size);
}

QImage patternedWindow()
{
    QImage window(320, 241, QImage::Format_RGB32);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
            h ^= h >> 13;
            h *= 0x5bd1e995u;
            window.setPixel(x, y, 0xFF000000 | ((h ^ (h >> 15)) & 0xFFFFFF));
        }
    }
    return window;
}

// Raw words, since pixel() on RGB32 would hide an alpha byte that is not 0xFF.
std::string firstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size() || actual.format() != expected.format())
        return "sizes or formats differ";
    for (int y = 0; y < actual.height(); ++y) {
        const auto* actualRow = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* expectedRow = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (actualRow[x] != expectedRow[x])
                return QStringLiteral("(%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actualRow[x], 8, 16, QLatin1Char('0'))
                    .arg(expectedRow[x], 8, 16, QLatin1Char('0'))
                    .toStdString();
        }
    }
    return {};
}

} // namespace skyvane::test
