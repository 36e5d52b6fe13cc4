// The meteor strip: ten views of one slate-blue rock with exact masks.

#include "PictureChecks.h"

#include <set>

namespace skyvane::test {
namespace {

constexpr int kCell = 100;
constexpr int kFrames = 10;

QRect frameCell(int frame) { return QRect(frame * kCell, 0, kCell, kCell); }

int rockArea(const QImage& strip, int frame)
{
    int area = 0;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            area += isBlack(strip.pixel(frame * kCell + x, y)) ? 0 : 1;
    return area;
}

class MeteorStrip : public testing::Test {
protected:
    const QImage strip = loadAsset("meteor_strip.png");
};

TEST_F(MeteorStrip, EveryMaskCoincidesWithItsFrameOnBlackGround)
{
    for (int frame = 0; frame < kFrames; ++frame)
        expectSpriteConventions(strip, frameCell(frame), kCell);
}

TEST_F(MeteorStrip, RockIsCentredWithAMarginAndCoversAboutHalfTheCell)
{
    for (int frame = 0; frame < kFrames; ++frame) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        const QRect box = nonBlackBox(strip, frameCell(frame));
        EXPECT_GE(box.width(), 74);
        EXPECT_LE(box.width(), 87);
        EXPECT_GE(box.height(), 75);
        EXPECT_LE(box.height(), 88);
        for (int margin : {box.left(), box.top(), kCell - 1 - box.right(), kCell - 1 - box.bottom()}) {
            EXPECT_GE(margin, 2);
            EXPECT_LE(margin, 14);
        }
        EXPECT_LE(std::abs(box.left() - (kCell - 1 - box.right())), 8);
        EXPECT_LE(std::abs(box.top() - (kCell - 1 - box.bottom())), 8);
        const double covered = rockArea(strip, frame) / double(kCell * kCell);
        EXPECT_GT(covered, 0.4);
        EXPECT_LT(covered, 0.6);
    }
}

TEST_F(MeteorStrip, FramesShowOneRockTurning)
{
    // One rock: every view covers about the same area. Turning: no two neighbours are alike.
    const int first = rockArea(strip, 0);
    for (int frame = 0; frame < kFrames; ++frame) {
        EXPECT_NEAR(rockArea(strip, frame), first, first * 0.12) << "frame " << frame;
        const QImage here = strip.copy(frameCell(frame));
        const QImage next = strip.copy(frameCell((frame + 1) % kFrames));
        EXPECT_NE(here, next) << "frames " << frame << " and " << (frame + 1) % kFrames;
    }
}

TEST_F(MeteorStrip, RockIsDarkSlateBlueInSomeHundredAndSixtyShades)
{
    std::set<QRgb> shades;
    double red = 0, green = 0, blue = 0;
    int count = 0, outOfRange = 0;
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kFrames * kCell; ++x) {
            const QRgb c = strip.pixel(x, y);
            if (isBlack(c))
                continue;
            shades.insert(c);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
            ++count;
            const bool inRange = qRed(c) >= 15 && qRed(c) <= 80 && qGreen(c) >= 15 && qGreen(c) <= 96 &&
                                 qBlue(c) >= 31 && qBlue(c) <= 127;
            outOfRange += inRange ? 0 : 1;
        }
    }
    ASSERT_GT(count, 0);
    EXPECT_EQ(outOfRange, 0);
    EXPECT_NEAR(red / count, 40, 6);
    EXPECT_NEAR(green / count, 48, 6);
    EXPECT_NEAR(blue / count, 69, 8);
    EXPECT_GE(shades.size(), 130u);
    EXPECT_LE(shades.size(), 200u);
}

} // namespace
} // namespace skyvane::test
