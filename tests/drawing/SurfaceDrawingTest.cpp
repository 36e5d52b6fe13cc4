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

using ClearAndPointTest = DrawingFixture;

TEST_F(ClearAndPointTest, BothClearsCoverTheWholeClientAreaRow240Included)
{
    EXPECT_TRUE(allPixels(window(), kWhite)) << "the window surface starts white";
    paintWindow(patternedWindow());
    drawing.ClearPlayArea();
    EXPECT_TRUE(allPixels(window(), kBlack));
    EXPECT_TRUE(drawing.takeDirty());
    paintWindow(patternedWindow());
    drawing.ClearSurface();
    EXPECT_TRUE(allPixels(window(), kWhite));
    EXPECT_TRUE(drawing.takeDirty());
}

TEST_F(ClearAndPointTest, PlotPointSetsOneOpaquePixelAndDropsPointsOffTheSurface)
{
    paintWindow(patternedWindow());
    for (const auto& [x, y] : {std::pair{-1, 0}, {320, 0}, {0, -1}, {0, 241}, {650, 120}, {-200, -200},
                               {-32768, 32767}, {32767, -32768}})
        drawing.PlotPoint(i16(x), i16(y), 0xFFFFFF);
    EXPECT_EQ(firstDifference(window(), patternedWindow()), "");
    EXPECT_FALSE(drawing.takeDirty()) << "nothing to repaint";
    drawing.PlotPoint(0, 240, 0xFF0000);
    EXPECT_TRUE(drawing.takeDirty()) << "a point on the surface is repainted";
    drawing.PlotPoint(319, 0, 0xFFFFFF);
    QImage expected = patternedWindow();
    expected.setPixel(0, 240, 0xFFFF0000);
    expected.setPixel(319, 0, kWhite);
    EXPECT_EQ(firstDifference(window(), expected), "");
}

using FinaleTest = DrawingFixture;

TEST_F(FinaleTest, FinalePictureIsAnOpaqueCopyCutAtEveryEdge)
{
    for (const auto& [x, y] : {std::pair{100, 35}, {271, 155}, {-30, 35}, {100, -20}, {100, 215}, {-49, -49}, {319, 240},
                               {320, 35}, {500, 155}}) {
        paintWindow(patternedWindow());
        drawing.PaintFinalePicture(i16(x), i16(y));
        QImage expected = patternedWindow();
        for (int row = 0; row < 50; ++row) {
            for (int column = 0; column < 50; ++column) {
                if (expected.rect().contains(x + column, y + row))
                    expected.setPixel(x + column, y + row, pictures().finale.pixel(column, row));
            }
        }
        EXPECT_EQ(firstDifference(window(), expected), "") << "at " << x << ", " << y;
        EXPECT_EQ(drawing.takeDirty(), x < 320) << "at " << x << ", " << y;
    }
}

} // namespace
} // namespace skyvane::test
