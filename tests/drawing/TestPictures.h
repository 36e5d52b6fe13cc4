#pragma once
// Synthetic sheets whose every pixel is known, so the drawing tests do not depend on the artwork.

#include <QImage>

namespace skyvane::test {

constexpr QRgb kMidGrey = 0xFF808080;

// Rocket sheet 300 x 300: each image cell (c, r) holds its own silhouette, shifted by c and r,
// in colours that name the cell; the mask 150 pixels below is black exactly on it.
QImage rocketSheet();
bool inRocketSilhouette(int column, int row, int x, int y);

// Meteor strip 1000 x 200. Frames 0 to 7 are discs of radius 30 + frame around (50, 50) with
// the mask convention; frames 8 and 9 mix ground with arbitrary and nearly black or white colours.
QImage meteorStrip();
constexpr int kFirstArbitraryFrame = 8;

// 50 x 50, every pixel different, the seven leftmost columns black.
QImage finalePicture();

// A window-sized background in which neighbouring pixels differ in every channel.
QImage patternedWindow();

} // namespace skyvane::test
