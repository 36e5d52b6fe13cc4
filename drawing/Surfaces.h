#pragma once
// The retained images the game draws on and copies from, made once with the window.

#include "game/GameConstants.h"

#include <QImage>

namespace skyvane {

// The window surface, the two sprite source surfaces and the finale picture, all
// Format_RGB32. Nothing here is reallocated after construction.
class Surfaces {
public:
    static constexpr int kWindowWidth = kPlayAreaWidth;
    static constexpr int kWindowHeight = kClientHeight;
    static constexpr QRgb kWindowWhite = 0xFFFFFFFF;    // the window's background colour

    // Sources in any QImage format; converted once here.
    Surfaces(const QImage& rocketSheet, const QImage& meteorStrip, const QImage& finalePicture);

    // 320 x 241, white at start. Keep no copies of it: a shared image would be copied on the next write.
    QImage& window() { return window_; }
    const QImage& window() const { return window_; }
    const QImage& rocketSheet() const { return rocketSheet_; }
    // The meteor strip, with the columns to its right that the meteor scaler may read ahead.
    const QImage& meteorSurface() const { return meteorSurface_; }
    const QImage& finalePicture() const { return finalePicture_; }

private:
    QImage window_;
    QImage rocketSheet_;
    QImage meteorSurface_;
    QImage finalePicture_;
};

} // namespace skyvane
