// What the drawing operations rely on in the committed pictures, and that the pictures and
// icons are what the drawing program draws, pixel for pixel.
#include "drawing/Pictures.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace skyvane::test {
namespace {

QImage loadAsset(const char* name) { return QImage(QStringLiteral(SKYVANE_ASSETS_DIR "/") + QLatin1String(name)); }

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

TEST(Pictures, EverySpriteMaskCoincidesWithItsImageAndTheFinalesLeftColumnsAreBlack)
{
    const QImage rockets = loadAsset(PictureFiles::RocketSheet.name);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(pixelsBreakingTheMask(rockets, QRect(50 * column, 50 * row, 50, 50), 150), 0)
                << "rocket cell " << column << ", " << row;
    const QImage meteors = loadAsset(PictureFiles::MeteorStrip.name);
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(pixelsBreakingTheMask(meteors, QRect(100 * frame, 0, 100, 100), 100), 0) << "meteor frame " << frame;
    // The pilot steps 3 pixels at a time, painted ground and all: 7 black columns on the left wipe
    // out the last step's picture.
    const QImage finale = loadAsset(PictureFiles::Finale.name);
    for (int y = 0; y < finale.height(); ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_TRUE(isBlack(finale.pixel(x, y))) << "finale at " << x << ", " << y;
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

    const QDir committed(QStringLiteral(SKYVANE_ASSETS_DIR));  // the pictures, icons and desktop icons
    QStringList names;
    QDirIterator file(committed.path(), {"*.png", "*.ico"}, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext())
        names << committed.relativeFilePath(file.next());
    ASSERT_EQ(names.size(), 13);
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
