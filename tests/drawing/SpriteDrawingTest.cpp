// Rockets and meteors: the mask pass with AND, the image pass with XOR, scaling and clipping.
#include "DrawingFixture.h"

namespace skyvane::test {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage referenceRocket(QImage window, int x, int y, int sourceX, int sourceY)
{
    referenceSprite(window, rocketSheet(), QPoint(sourceX, sourceY), QPoint(sourceX, sourceY + 150), 50, QPoint(x, y), 50);
    return window;
}

QImage referenceMeteorOn(QImage window, int centreX, int centreY, int size, int frameX)
{
    referenceMeteor(window, meteorStrip(), centreX, centreY, size, frameX);
    return window;
}

// Inside the mask's silhouette the window shows the image cell's own pixel, elsewhere what lay below.
void expectOnlyOwnPixels(const QImage& window, const QImage& below, QPoint corner, int size, const QImage& sheet,
                         QPoint imageCell, QPoint maskCell)
{
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool inside = sheet.pixel(maskCell + QPoint(x, y)) == kBlack;
            const QRgb expected = inside ? sheet.pixel(imageCell + QPoint(x, y)) : below.pixel(corner + QPoint(x, y));
            ASSERT_EQ(window.pixel(corner + QPoint(x, y)), expected) << "at " << x << ", " << y << " of the sprite";
        }
    }
}

using RocketTest = DrawingFixture;

TEST_F(RocketTest, EveryCellCombinesLikeThePlainReference)
{
    for (int sourceY = 0; sourceY <= 100; sourceY += 50) {
        for (int sourceX = 0; sourceX <= 250; sourceX += 50) {
            paintWindow(patternedWindow());
            drawing.BlitRocket(135, 95, i16(sourceX), i16(sourceY));
            EXPECT_EQ(firstDifference(window(), referenceRocket(patternedWindow(), 135, 95, sourceX, sourceY)), "")
                << "cell " << sourceX << ", " << sourceY;
        }
    }
}

TEST_F(RocketTest, SourceCornerPicksTheImageCellAndTheMaskCell150Below)
{
    // Over black only the image shows; over white only the mask's silhouette does.
    drawing.ClearPlayArea();
    drawing.BlitRocket(100, 100, 250, 100);
    EXPECT_EQ(firstDifference(window().copy(100, 100, 50, 50), rocketSheet().copy(250, 100, 50, 50)), "");
    drawing.ClearSurface();
    drawing.BlitRocket(100, 100, 250, 100);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(window().pixel(100 + x, 100 + y) == kWhite, !inRocketSilhouette(5, 2, x, y)) << x << ", " << y;
    }
}

TEST_F(RocketTest, IsClippedAtEveryEdgeOfTheWindowAndOfTheSheet)
{
    struct Case {
        int x, y, sourceX, sourceY;
    };
    for (const Case& c : {Case{-25, 95, 150, 50}, {295, 95, 150, 50}, {135, -30, 150, 50}, {135, 220, 150, 50},
                          {-49, -49, 150, 50}, {319, 240, 150, 50}, {-200, 95, 150, 50}, {650, 95, 150, 50},
                          {-32768, 32767, 150, 50}, {32767, -32768, 150, 50}, {100, 100, 280, 0}, {100, 100, -20, 50},
                          {100, 100, 0, 130}, {100, 100, 0, -10}}) {
        paintWindow(patternedWindow());
        drawing.BlitRocket(i16(c.x), i16(c.y), i16(c.sourceX), i16(c.sourceY));
        EXPECT_EQ(firstDifference(window(), referenceRocket(patternedWindow(), c.x, c.y, c.sourceX, c.sourceY)), "")
            << c.x << ", " << c.y << " from " << c.sourceX << ", " << c.sourceY;
    }
}

using MeteorTest = DrawingFixture;

TEST_F(MeteorTest, MaskAndImageScaleInRegisterAtEverySize)
{
    for (int size = 1; size <= 150; ++size) {
        const int frameX = 100 * (size % 10);
        paintWindow(patternedWindow());
        drawing.BlitMeteor(160, 120, i16(size), i16(frameX));
        ASSERT_EQ(firstDifference(window(), referenceMeteorOn(patternedWindow(), 160, 120, size, frameX)), "")
            << "size " << size << ", frame x " << frameX;
    }
}

TEST_F(MeteorTest, ArbitraryMaskAndImageColoursCombineExactly)
{
    for (int frameX = 100 * kFirstArbitraryFrame; frameX < 1000; frameX += 100) {
        for (const int size : {37, 100, 148}) {
            paintWindow(patternedWindow());
            drawing.BlitMeteor(150, 110, i16(size), i16(frameX));
            EXPECT_EQ(firstDifference(window(), referenceMeteorOn(patternedWindow(), 150, 110, size, frameX)), "")
                << "size " << size << ", frame x " << frameX;
        }
    }
}

TEST_F(MeteorTest, IsClippedAtEveryEdgeAndPartlyVisible)
{
    for (const auto& [centreX, centreY] : {std::pair{0, 120}, {319, 120}, {160, 0}, {160, 240}, {-60, -60},
                                           {380, 300}, {5, 236}, {-32768, 32767}}) {
        for (const int size : {33, 148}) {
            paintWindow(patternedWindow());
            drawing.BlitMeteor(i16(centreX), i16(centreY), i16(size), 200);
            EXPECT_EQ(firstDifference(window(), referenceMeteorOn(patternedWindow(), centreX, centreY, size, 200)), "")
                << centreX << ", " << centreY << " size " << size;
        }
    }
}

TEST_F(MeteorTest, CornerIsRoundedHalfToEven)
{
    // Size 1 samples the cell's middle pixel (50, 50); c - 0.5 goes to the even neighbour.
    const QRgb middle = meteorStrip().pixel(350, 50);
    for (const auto& [centre, corner] : {std::pair{11, 10}, {10, 10}, {13, 12}, {12, 12}}) {
        drawing.ClearPlayArea();
        drawing.BlitMeteor(i16(centre), i16(centre + 100), 1, 300);
        EXPECT_EQ(window().pixel(corner, corner + 100), middle) << "centre " << centre;
        EXPECT_EQ(window().pixel(corner + 1, corner + 100), kBlack) << "centre " << centre;
        EXPECT_EQ(window().pixel(corner - 1, corner + 100), kBlack) << "centre " << centre;
    }
}

TEST_F(MeteorTest, FreeSlotsOtherSizesAndOtherFrameXShowNothing)
{
    paintWindow(patternedWindow());
    for (const int size : {1, 2, 148, 150})
        drawing.BlitMeteor(-200, 120, i16(size), 0);  // a free slot: the square ends at x -125 or further left
    for (const int size : {0, -2, 151, 32767})
        drawing.BlitMeteor(160, 120, i16(size), 0);
    for (const int frameX : {-100, 50, 1000, 32767})
        drawing.BlitMeteor(160, 120, 100, i16(frameX));
    EXPECT_EQ(firstDifference(window(), patternedWindow()), "");
    EXPECT_FALSE(drawing.takeDirty());
}

using LayeringTest = DrawingFixture;

TEST_F(LayeringTest, SpritesOverMidGreyShowNoFringeOrTint)
{
    QImage grey(320, 241, QImage::Format_RGB32);
    grey.fill(kMidGrey);
    paintWindow(grey);
    drawing.BlitRocket(10, 70, 100, 50);
    drawing.BlitMeteor(200, 120, 100, 100);  // unscaled, so the cell's pixels show one to one
    expectOnlyOwnPixels(window(), grey, QPoint(10, 70), 50, rocketSheet(), QPoint(100, 50), QPoint(100, 200));
    expectOnlyOwnPixels(window(), grey, QPoint(150, 70), 100, meteorStrip(), QPoint(100, 0), QPoint(100, 100));
}

TEST_F(LayeringTest, SpriteOverAnotherShowsOnlyItsOwnPixelsInsideItsSilhouette)
{
    paintWindow(patternedWindow());
    drawing.BlitMeteor(130, 120, 100, 100);
    drawing.BlitRocket(100, 100, 0, 0);
    const QImage twoBelow = window().copy();
    drawing.BlitMeteor(170, 120, 100, 500);
    expectOnlyOwnPixels(window(), twoBelow, QPoint(120, 70), 100, meteorStrip(), QPoint(500, 0), QPoint(500, 100));
    const QImage threeBelow = window().copy();
    drawing.BlitRocket(120, 110, 200, 100);
    expectOnlyOwnPixels(window(), threeBelow, QPoint(120, 110), 50, rocketSheet(), QPoint(200, 100), QPoint(200, 250));
}

TEST_F(LayeringTest, StarUnderAMeteorsSilhouetteIsHiddenAndBesideItStays)
{
    drawing.ClearPlayArea();
    drawing.PlotPoint(160, 120, 0xFFFFFF);  // the middle of the rock
    drawing.PlotPoint(100, 60, 0xFFFFFF);   // a corner of the square, on the ground
    drawing.BlitMeteor(160, 120, 148, 0);
    EXPECT_EQ(window().pixel(160, 120), meteorStrip().pixel(50, 50));  // 74.5 * 100 / 148 samples index 50
    EXPECT_EQ(window().pixel(100, 60), kWhite);
}

} // namespace
} // namespace skyvane::test
