#pragma once
// The surfaces made from the synthetic pictures, and the drawing operations on them.

#include "ReferenceDrawing.h"
#include "TestPictures.h"
#include "ui/SurfaceDrawing.h"
#include "ui/Surfaces.h"

#include <gtest/gtest.h>

namespace skyvane::test {

class DrawingFixture : public ::testing::Test {
protected:
    static constexpr QRgb kBackdrop = 0xFF405060;  // the meteor surface beyond the strip

    DrawingFixture() : surfaces(rocketSheet(), meteorStrip(), finalePicture(), QColor::fromRgb(kBackdrop)), drawing(surfaces) {}

    // Puts content on the window surface as if it had been drawn there, and forgets the repaint.
    void paintWindow(const QImage& content)
    {
        surfaces.window() = content.convertToFormat(QImage::Format_RGB32);
        drawing.takeDirty();
    }

    QImage& window() { return surfaces.window(); }

    Surfaces surfaces;
    SurfaceDrawing drawing;
};

inline std::int16_t i16(int value) { return static_cast<std::int16_t>(value); }

} // namespace skyvane::test
