// What the drawing operations and the window rely on in the committed pictures, and that they
// are what the drawing program draws.
#include "drawing/Pictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace skyvane::test {
namespace {

QImage loadAsset(const char* name) { return QImage(QStringLiteral(SKYVANE_ASSETS_DIR "/") + QLatin1String(name)); }

// The desktop icons as the icon theme looks them up, one per size it asks for.
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString desktopIcon(int size)
{
    return QStringLiteral("hicolor/%1x%1/apps/io.github.skyvane.Skyvane.png").arg(size);
}

// Pixels of the two corners off the rocket's diagonal that are not fully transparent.
int pixelsShowingOffTheDiagonal(const QImage& icon)
{
    int showing = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            showing += 2 * std::abs(x - y) >= icon.width() && qAlpha(icon.pixel(x, y)) != 0;
    return showing;
}

bool isBlack(QRgb colour) { return (colour & 0xFFFFFFu) == 0; }

// A mask cell maskOffset below its image cell is pure black exactly where the image is not black
// and pure white elsewhere, so the AND and XOR passes neither tint nor fringe what lies below.
int pixelsBreakingTheMask(const QImage& sheet, const QRect& cell, int maskOffset)
{
    int breaking = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb mask = sheet.pixel(x, y + maskOffset) & 0xFFFFFFu;
            const QRgb expected = isBlack(sheet.pixel(x, y)) ? 0xFFFFFFu : 0u;
            breaking += mask != expected;
        }
    }
    return breaking;
}

TEST(Pictures, TheFourPicturesAreEightBitPalettePicturesOfTheirSizes)
{
    using namespace PictureFiles;
    for (const auto& [name, size] : {RocketSheet, MeteorStrip, Title, Finale}) {
        const QImage picture = loadAsset(name);
        EXPECT_EQ(picture.size(), size) << name;
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8) << name;
    }
}

TEST(Pictures, EverySpriteMaskCoincidesWithItsImageOnABlackGround)
{
    const QImage rockets = loadAsset(PictureFiles::RocketSheet.name);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(pixelsBreakingTheMask(rockets, QRect(50 * column, 50 * row, 50, 50), 150), 0)
                << "rocket cell " << column << ", " << row;
    const QImage meteors = loadAsset(PictureFiles::MeteorStrip.name);
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(pixelsBreakingTheMask(meteors, QRect(100 * frame, 0, 100, 100), 100), 0) << "meteor frame " << frame;
}

// The pilot steps 3 pixels at a time and is painted ground and all: black columns on the
// left wipe out the last step's picture.
TEST(Pictures, TheFinalePictureHasSevenBlackColumnsOnTheLeft)
{
    const QImage finale = loadAsset(PictureFiles::Finale.name);
    for (int y = 0; y < finale.height(); ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_TRUE(isBlack(finale.pixel(x, y))) << x << ", " << y;
}

TEST(Pictures, TheIconIsTransparentAroundItsRocketAndTheIcoFileHoldsTheSamePixels)
{
    const QImage icon = loadAsset(PictureFiles::Icon.name).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), PictureFiles::Icon.size);
    EXPECT_EQ(pixelsShowingOffTheDiagonal(icon), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
    QFile file(QStringLiteral(SKYVANE_ASSETS_DIR "/icon.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.left(8), QByteArray::fromHex("0000010001002020"));  // one 32 x 32 entry
    EXPECT_EQ(QImage::fromData(bytes, "ico").convertToFormat(QImage::Format_ARGB32), icon);
}

TEST(Pictures, EveryDesktopIconIsTheRocketOnTransparencyAndThe32PixelOneIsTheWindowIcon)
{
    const QImage windowIcon = loadAsset(PictureFiles::Icon.name).convertToFormat(QImage::Format_ARGB32);
    for (const int size : kDesktopIconSizes) {
        const QImage icon = QImage(QStringLiteral(SKYVANE_ASSETS_DIR "/") + desktopIcon(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(pixelsShowingOffTheDiagonal(icon), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        if (size == PictureFiles::Icon.size.width()) {
            EXPECT_EQ(icon, windowIcon);
        }
    }
}

TEST(DrawingProgram, DrawsTheCommittedPicturesPixelForPixel)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess program;
    program.start(QStringLiteral(SKYVANE_DRAWASSETS), {output.path()});
    ASSERT_TRUE(program.waitForFinished(120000));
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(SKYVANE_ASSETS_DIR));
    QStringList names{"rocket_sheet.png", "meteor_strip.png", "title.png", "finale.png", "icon.png", "icon.ico"};
    for (const int size : kDesktopIconSizes)
        names << desktopIcon(size);
    for (const QString& name : names) {
        const QImage drawn(QDir(output.path()).filePath(name));
        ASSERT_FALSE(drawn.isNull()) << name.toStdString();
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
                  QImage(committed.filePath(name)).convertToFormat(QImage::Format_ARGB32))
            << name.toStdString() << " differs from the drawing program's output; rerun skyvane-drawassets";
    }
}

} // namespace
} // namespace skyvane::test
