// The surfaces, the clears, the points, the finale picture and the repaint flag.
#include "DrawingFixture.h"

namespace skyvane::test {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

bool allPixels(const QImage& image, QRgb colour)
{
    QImage filled(image.size(), QImage::Format_RGB32);
    filled.fill(colour);
    return firstDifference(image, filled).empty();
}

using SurfacesTest = DrawingFixture;

TEST_F(SurfacesTest, WindowStartsAsAWhite320By241Image)
{
    EXPECT_EQ(window().size(), QSize(320, 241));
    EXPECT_TRUE(allPixels(window(), kWhite));
}

TEST_F(SurfacesTest, MeteorSurfaceHoldsTheStripAtTheTopLeftAndTheBackgroundElsewhere)
{
    const Surfaces converted(rocketSheet().convertToFormat(QImage::Format_ARGB32),
                             meteorStrip().convertToFormat(QImage::Format_ARGB32), finalePicture(), QColor::fromRgb(kBackdrop));
    const QImage& meteors = converted.meteorSurface();
    ASSERT_GE(meteors.width(), 1150);
    ASSERT_GE(meteors.height(), 350);
    EXPECT_EQ(firstDifference(meteors.copy(0, 0, 1000, 200), meteorStrip()), "");
    EXPECT_TRUE(allPixels(meteors.copy(1000, 0, meteors.width() - 1000, meteors.height()), kBackdrop));
    EXPECT_TRUE(allPixels(meteors.copy(0, 200, 1000, meteors.height() - 200), kBackdrop));
    EXPECT_EQ(converted.rocketSheet().format(), QImage::Format_RGB32);
}

using ClearAndPointTest = DrawingFixture;

TEST_F(ClearAndPointTest, BothClearsCoverTheWholeClientAreaRow240Included)
{
    paintWindow(patternedWindow());
    drawing.ClearPlayArea();
    EXPECT_TRUE(allPixels(window(), kBlack));
    EXPECT_TRUE(drawing.takeDirty());
    paintWindow(patternedWindow());
    drawing.ClearSurface();
    EXPECT_TRUE(allPixels(window(), kWhite));
    EXPECT_TRUE(drawing.takeDirty());
}

TEST_F(ClearAndPointTest, PlotPointSetsExactlyOneOpaquePixel)
{
    drawing.ClearPlayArea();
    drawing.PlotPoint(0, 240, 0xFF0000);
    drawing.PlotPoint(319, 0, 0xFFFFFF);
    QImage expected(320, 241, QImage::Format_RGB32);
    expected.fill(kBlack);
    expected.setPixel(0, 240, 0xFFFF0000);
    expected.setPixel(319, 0, kWhite);
    EXPECT_EQ(firstDifference(window(), expected), "");
}

TEST_F(ClearAndPointTest, PointsOffTheSurfaceAreDroppedAndNeedNoRepaint)
{
    paintWindow(patternedWindow());
    for (const auto& [x, y] : {std::pair{-1, 0}, {320, 0}, {0, -1}, {0, 241}, {650, 120}, {-200, -200},
                               {-32768, 32767}, {32767, -32768}})
        drawing.PlotPoint(i16(x), i16(y), 0xFFFFFF);
    EXPECT_EQ(firstDifference(window(), patternedWindow()), "");
    EXPECT_FALSE(drawing.takeDirty());
}

using FinaleTest = DrawingFixture;

TEST_F(FinaleTest, FinalePictureIsAnOpaqueCopyBlackGroundIncluded)
{
    paintWindow(patternedWindow());
    drawing.PaintFinalePicture(100, 35);
    EXPECT_EQ(firstDifference(window().copy(100, 35, 50, 50), finalePicture()), "");
    EXPECT_EQ(firstDifference(window().copy(150, 35, 170, 50), patternedWindow().copy(150, 35, 170, 50)), "");
}

TEST_F(FinaleTest, FinalePictureIsCutAtEveryEdgeAndFromX320OnNothingShows)
{
    for (const auto& [x, y] : {std::pair{271, 155}, {-30, 35}, {100, -20}, {100, 215}, {-49, -49}, {319, 240},
                               {320, 35}, {500, 155}}) {
        paintWindow(patternedWindow());
        drawing.PaintFinalePicture(i16(x), i16(y));
        QImage expected = patternedWindow();
        for (int row = 0; row < 50; ++row) {
            for (int column = 0; column < 50; ++column) {
                if (expected.rect().contains(x + column, y + row))
                    expected.setPixel(x + column, y + row, finalePicture().pixel(column, row));
            }
        }
        EXPECT_EQ(firstDifference(window(), expected), "") << "at " << x << ", " << y;
        EXPECT_EQ(drawing.takeDirty(), x < 320) << "at " << x << ", " << y;
    }
}

using RetainedSurfaceTest = DrawingFixture;

TEST_F(RetainedSurfaceTest, WhatWasDrawnStaysUntilDrawnOver)
{
    drawing.ClearPlayArea();
    drawing.BlitRocket(100, 100, 50, 50);
    drawing.PaintFinalePicture(10, 10);
    QImage expected = window().copy();
    drawing.PlotPoint(300, 230, 0xFFFFFF);
    expected.setPixel(300, 230, kWhite);
    EXPECT_EQ(firstDifference(window(), expected), "");
}

TEST_F(RetainedSurfaceTest, TakeDirtyReportsEachDrawingOnce)
{
    EXPECT_FALSE(drawing.takeDirty());
    drawing.PlotPoint(5, 5, 0xFFFFFF);
    drawing.BlitMeteor(160, 120, 40, 300);
    EXPECT_TRUE(drawing.takeDirty());
    EXPECT_FALSE(drawing.takeDirty());
    drawing.BlitRocket(-200, 95, 50, 50);
    EXPECT_FALSE(drawing.takeDirty());
}

} // namespace
} // namespace skyvane::test
