#pragma once
// Shared measurements of the committed pictures.

#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

namespace skyvane::test {

inline QImage loadAsset(const char* name)
{
    return QImage(QStringLiteral(SKYVANE_ASSETS_DIR "/") + QLatin1String(name));
}

inline bool isBlack(QRgb colour) { return (colour & 0xffffffu) == 0; }

// Bounding box of the non-black pixels of `cell`, in the cell's own coordinates.
inline QRect nonBlackBox(const QImage& picture, const QRect& cell)
{
    QRect box;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (!isBlack(picture.pixel(cell.x() + x, cell.y() + y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The sprite rule: the mask `maskOffset` px below holds only pure black and pure white, and is
// black exactly where the image cell is not black.
inline void expectSpriteConventions(const QImage& sheet, const QRect& cell, int maskOffset)
{
    int impureMask = 0, mismatched = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb mask = sheet.pixel(x, y + maskOffset) & 0xffffffu;
            if (mask != 0 && mask != 0xffffffu)
                ++impureMask;
            else if ((mask == 0) == isBlack(sheet.pixel(x, y)))
                ++mismatched;
        }
    }
    EXPECT_EQ(impureMask, 0) << "mask pixels neither black nor white in cell at " << cell.x() << "," << cell.y();
    EXPECT_EQ(mismatched, 0) << "mask and image disagree in cell at " << cell.x() << "," << cell.y();
}

} // namespace skyvane::test
