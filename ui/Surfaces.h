#pragma once
// The retained images the game draws on and copies from, made once with the window.

#include "game/GameConstants.h"

#include <QColor>
#include <QImage>

namespace skyvane {

// The window surface, the two sprite source surfaces and the finale picture, all
// Format_RGB32. Nothing here is reallocated after construction.
class Surfaces {
public:
    static constexpr int kWindowWidth = kPlayAreaWidth;
    static constexpr int kWindowHeight = kClientHeight;
    static constexpr int kMeteorSurfaceWidth = 1150;   // the strip plus the 150 px scratch squares
    static constexpr int kMeteorSurfaceHeight = 350;
    static constexpr QRgb kWindowWhite = 0xFFFFFFFF;    // the window's background colour

    // Sources in any QImage format; converted once here. windowBackground fills the meteor
    // surface outside the strip.
    Surfaces(const QImage& rocketSheet, const QImage& meteorStrip, const QImage& finalePicture, QColor windowBackground);

    // 320 x 241, white at start. Keep no copies of it: a shared image would be copied on the next write.
    QImage& window() { return window_; }
    const QImage& window() const { return window_; }
    const QImage& rocketSheet() const { return rocketSheet_; }
    const QImage& meteorSurface() const { return meteorSurface_; }
    const QImage& finalePicture() const { return finalePicture_; }

private:
    QImage window_;
    QImage rocketSheet_;
    QImage meteorSurface_;
    QImage finalePicture_;
};

} // namespace skyvane
