#pragma once
// The sprite copies written plainly, one pixel at a time, to compare the fast ones against.

#include <QImage>
#include <QPoint>

#include <string>

namespace skyvane::test {

// Samples the cellSize x cellSize cells at imageCell and maskCell of source by nearest pixel
// (source index floor((d + 0.5) * cellSize / size)), then ANDs the mask and XORs the image onto
// the size x size square at corner. Pixels off the window or off the source are skipped.
void referenceSprite(QImage& window, const QImage& source, QPoint imageCell, QPoint maskCell, int cellSize,
                     QPoint corner, int size);

// The meteor: frame frameX of the strip scaled to size around the centre, corner rounded half to even.
void referenceMeteor(QImage& window, const QImage& strip, int centreX, int centreY, int size, int frameX);

// A window-sized background in which neighbouring pixels differ in every channel.
QImage patternedWindow();

// "" when both images have the same size, format and pixel words, else where they first differ.
std::string firstDifference(const QImage& actual, const QImage& expected);

} // namespace skyvane::test
