#include "TestPictures.h"

#include <cstdint>
#include <utility>

namespace skyvane::test {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A fixed hash, so arbitrary colours are reproducible.
QRgb scrambled(int x, int y, int salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                      static_cast<std::uint32_t>(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return kBlack | (h & 0xFFFFFF);
}

bool inDisc(int frame, int x, int y)
{
    const int radius = 30 + frame;
    return (x - 50) * (x - 50) + (y - 50) * (y - 50) < radius * radius;
}

// Ground, a lone mask colour, a lone image colour or both, with the colours a bit off black and white.
std::pair<QRgb, QRgb> arbitraryPixel(int x, int y)
{
    const QRgb image = scrambled(x, y, 1);
    const QRgb mask = scrambled(x, y, 2);
    switch (scrambled(x, y, 5) % 4) {
    case 0: return {kBlack, kWhite};
    case 1: return {kBlack, mask | 0xFEFEFE};
    case 2: return {kBlack | (image & 0x010101), kWhite};
    default: return {image, mask};
    }
}

} // namespace

bool inRocketSilhouette(int column, int row, int x, int y)
{
    return x >= 5 + column && x < 45 - row && y < 30 + 5 * row && (x * 3 + y + column) % 7 != 0;
}

QImage rocketSheet()
{
    QImage sheet(300, 300, QImage::Format_RGB32);
    for (int column = 0; column < 6; ++column) {
        for (int row = 0; row < 3; ++row) {
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 50; ++x) {
                    const bool inside = inRocketSilhouette(column, row, x, y);
                    const QRgb colour = qRgb(40 * column + 20, 60 * row + 30, 4 * x + y + 10);
                    sheet.setPixel(50 * column + x, 50 * row + y, inside ? colour : kBlack);
                    sheet.setPixel(50 * column + x, 50 * row + y + 150, inside ? kBlack : kWhite);
                }
            }
        }
    }
    return sheet;
}

QImage meteorStrip()
{
    QImage strip(1000, 200, QImage::Format_RGB32);
    for (int frame = 0; frame < 10; ++frame) {
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                const int stripX = 100 * frame + x;
                if (frame >= kFirstArbitraryFrame) {
                    const auto [image, mask] = arbitraryPixel(stripX, y);
                    strip.setPixel(stripX, y, image);
                    strip.setPixel(stripX, y + 100, mask);
                    continue;
                }
                const bool inside = inDisc(frame, x, y);
                strip.setPixel(stripX, y, inside ? scrambled(stripX, y, 3) | 0x010101 : kBlack);
                strip.setPixel(stripX, y + 100, inside ? kBlack : kWhite);
            }
        }
    }
    return strip;
}

QImage finalePicture()
{
    QImage picture(50, 50, QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x)
            picture.setPixel(x, y, x < 7 ? kBlack : qRgb(5 * x, 5 * y, 200));
    }
    return picture;
}

QImage patternedWindow()
{
    QImage window(320, 241, QImage::Format_RGB32);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x)
            window.setPixel(x, y, scrambled(x, y, 4));
    }
    return window;
}

} // namespace skyvane::test
