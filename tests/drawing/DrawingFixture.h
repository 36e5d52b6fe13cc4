#pragma once
// The surfaces made from the program's pictures, and the drawing operations on them.

#include "ReferenceDrawing.h"
#include "drawing/Pictures.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"

#include <gtest/gtest.h>

namespace skyvane::test {

inline const Pictures& pictures()
{
    static const Pictures loaded = loadPictures();
    return loaded;
}

class DrawingFixture : public ::testing::Test {
protected:
    DrawingFixture() : surfaces(pictures().rocketSheet, pictures().meteorStrip, pictures().finale), drawing(surfaces) {}

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
