// The rocket sheet: 18 sprites with exact masks, placed in their cells as the game expects.

#include "PictureChecks.h"

#include <array>

namespace skyvane::test {
namespace {

constexpr int kCell = 50;
constexpr int kMaskOffset = 150;

QRect imageCell(int column, int row) { return QRect(column * kCell, row * kCell, kCell, kCell); }

bool isFlameOrange(QRgb c)
{
    return qRed(c) >= 176 && qRed(c) <= 240 && qGreen(c) >= 80 && qGreen(c) <= 135 && qBlue(c) >= 16 && qBlue(c) <= 31;
}

bool isFlameCore(QRgb c) { return qRed(c) == 255 && qGreen(c) >= 200 && qBlue(c) < qGreen(c); }

class RocketSheet : public testing::Test {
protected:
    const QImage sheet = loadAsset("rocket_sheet.png");
};

TEST_F(RocketSheet, EveryMaskCoincidesWithItsSpriteOnBlackGround)
{
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            expectSpriteConventions(sheet, imageCell(column, row), kMaskOffset);
}

TEST_F(RocketSheet, SpritesHangFromTheTopEdgeWithThePoseHeights)
{
    // Rows: climbing, level, falling; without and with flames.
    const std::array<std::array<int, 2>, 3> heights{{{42, 41}, {39, 47}, {33, 49}}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect box = nonBlackBox(sheet, imageCell(column, row));
            SCOPED_TRACE(testing::Message() << "cell " << column << "," << row);
            EXPECT_EQ(box.top(), 0);
            EXPECT_EQ(box.bottom() + 1, heights[static_cast<std::size_t>(row)][column >= 3 ? 1 : 0]);
        }
    }
}

TEST_F(RocketSheet, UprightSpritesSpanTheMiddleAndTurnedOnesLeanOut)
{
    for (int row = 0; row < 3; ++row) {
        for (int flame : {0, 3}) {
            SCOPED_TRACE(testing::Message() << "row " << row << ", flame columns from " << flame);
            const QRect upright = nonBlackBox(sheet, imageCell(flame + 1, row));
            EXPECT_GE(upright.left(), 10);
            EXPECT_LE(upright.left(), 12);
            EXPECT_GE(upright.right(), 37);
            EXPECT_LE(upright.right(), 40);
            const QRect left = nonBlackBox(sheet, imageCell(flame, row));
            EXPECT_LE(left.left(), 10);
            EXPECT_LT(left.left(), upright.left());
            const QRect right = nonBlackBox(sheet, imageCell(flame + 2, row));
            EXPECT_GE(right.right(), kCell - 1 - 12);
            EXPECT_GT(right.right(), upright.right());
        }
    }
}

TEST_F(RocketSheet, RightTurnedSpritesMirrorTheLeftTurnedOnes)
{
    for (int row = 0; row < 3; ++row) {
        for (int flame : {0, 3}) {
            const QImage left = sheet.copy(imageCell(flame, row)).convertToFormat(QImage::Format_RGB32);
            const QImage right = sheet.copy(imageCell(flame + 2, row)).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(left.mirrored(true, false), right) << "row " << row << ", flame columns from " << flame;
        }
    }
}

TEST_F(RocketSheet, UprightSilhouettesAreSymmetric)
{
    for (int row = 0; row < 3; ++row) {
        for (int column : {1, 4}) {
            const QRect cell = imageCell(column, row);
            int asymmetric = 0;
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell / 2; ++x)
                    if (isBlack(sheet.pixel(cell.x() + x, cell.y() + y)) !=
                        isBlack(sheet.pixel(cell.x() + kCell - 1 - x, cell.y() + y)))
                        ++asymmetric;
            EXPECT_LE(asymmetric, 12) << "cell " << column << "," << row;
        }
    }
}

TEST_F(RocketSheet, FlamesBurnOrangeWithYellowCoresOnlyInFlameColumns)
{
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect cell = imageCell(column, row);
            int orange = 0, cores = 0, lowestOrange = -1;
            double orangeY = 0, coreY = 0;
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    const QRgb c = sheet.pixel(cell.x() + x, cell.y() + y);
                    if (isFlameOrange(c)) {
                        ++orange;
                        orangeY += y;
                        lowestOrange = y;
                    } else if (isFlameCore(c)) {
                        ++cores;
                        coreY += y;
                    }
                }
            }
            SCOPED_TRACE(testing::Message() << "cell " << column << "," << row);
            if (column < 3) {
                EXPECT_EQ(orange + cores, 0);
                continue;
            }
            // The flames trail down to the bottom of the sprite, their cores at the nozzles.
            EXPECT_GE(orange, 30);
            EXPECT_GE(cores, 8);
            EXPECT_GE(lowestOrange + 1, nonBlackBox(sheet, cell).bottom() * 0.85);
            EXPECT_LT(coreY / cores, orangeY / orange);
        }
    }
}

TEST_F(RocketSheet, SpritesAreShadedWithoutNearBlackFringe)
{
    // Near white through mid greys to dark grey; only the boots go darker, tinted blue.
    int nearBlack = 0, white = 0, midGrey = 0, darkGrey = 0, blueBoot = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb c = sheet.pixel(x, y);
            if (isBlack(c))
                continue;
            const int brightest = std::max({qRed(c), qGreen(c), qBlue(c)});
            nearBlack += brightest < 38 ? 1 : 0;
            const bool grey = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
            white += grey && qRed(c) >= 240 ? 1 : 0;
            midGrey += grey && qRed(c) >= 96 && qRed(c) <= 176 ? 1 : 0;
            darkGrey += grey && qRed(c) >= 63 && qRed(c) <= 79 ? 1 : 0;
            blueBoot += brightest < 110 && qBlue(c) >= qRed(c) + 20 ? 1 : 0;
        }
    }
    EXPECT_EQ(nearBlack, 0);
    EXPECT_GT(white, 1000);
    EXPECT_GT(midGrey, 1000);
    EXPECT_GT(darkGrey, 300);
    EXPECT_GT(blueBoot, 100);
}

} // namespace
} // namespace skyvane::test
