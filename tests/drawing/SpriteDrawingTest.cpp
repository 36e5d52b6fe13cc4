// Rockets and meteors: the mask pass with AND, the image pass with XOR, scaling and clipping.
#include "DrawingFixture.h"

#include <vector>

namespace skyvane::test {
namespace {

QImage referenceMeteorOn(QImage window, int centreX, int centreY, int size, int frameX)
{
    referenceMeteor(window, pictures().meteorStrip, centreX, centreY, size, frameX);
    return window;
}

using RocketTest = DrawingFixture;

// Every cell of the sheet in the open, then cut at every edge of the window and of the sheet.
TEST_F(RocketTest, CombinesLikeThePlainReferenceAndIsClippedAtEveryEdgeOfTheWindowAndOfTheSheet)
{
    struct Case {
        int x, y, sourceX, sourceY;
    };
    std::vector<Case> cases{{-25, 95, 150, 50}, {295, 95, 150, 50}, {135, -30, 150, 50}, {135, 220, 150, 50},
                            {-49, -49, 150, 50}, {319, 240, 150, 50}, {-200, 95, 150, 50}, {650, 95, 150, 50},
                            {-32768, 32767, 150, 50}, {32767, -32768, 150, 50}, {100, 100, 280, 0}, {100, 100, -20, 50},
                            {100, 100, 0, 130}, {100, 100, 0, -10}};
    for (int cell = 0; cell < 18; ++cell)
        cases.push_back({135, 95, 50 * (cell % 6), 50 * (cell / 6)});
    for (const Case& c : cases) {
        paintWindow(patternedWindow());
        drawing.BlitRocket(i16(c.x), i16(c.y), i16(c.sourceX), i16(c.sourceY));
        QImage expected = patternedWindow();
        const QPoint cell(c.sourceX, c.sourceY);
        referenceSprite(expected, pictures().rocketSheet, cell, cell + QPoint(0, 150), 50, QPoint(c.x, c.y), 50);
        EXPECT_EQ(firstDifference(window(), expected), "")
            << c.x << ", " << c.y << " from " << c.sourceX << ", " << c.sourceY;
    }
}

using MeteorTest = DrawingFixture;

// Odd sizes put the corner on a half, rounded to even.
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

// Every meteor leaves the screen by an edge, a column at a time: the last columns are fewer than a
// whole block of the large sizes' kernel, and drawn a pixel at a time.
TEST_F(MeteorTest, LeavesByEitherSideToTheLastVisibleColumn)
{
    for (int visible = 1; visible <= 8; ++visible) {
        for (int frameX = 0; frameX < 1000; frameX += 100) {
            for (const int centreX : {visible - 50, 370 - visible}) {  // size 100: the square starts 50 left of it
                paintWindow(patternedWindow());
                drawing.BlitMeteor(i16(centreX), 120, 100, i16(frameX));
                ASSERT_EQ(firstDifference(window(), referenceMeteorOn(patternedWindow(), centreX, 120, 100, frameX)), "")
                    << "centre x " << centreX << ", frame x " << frameX;
            }
        }
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

} // namespace
} // namespace skyvane::test
