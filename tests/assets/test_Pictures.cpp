// The title picture, the finale picture and the window icon.

#include "PictureChecks.h"
#include "ui/Pictures.h"

#include <QFile>
#include <set>
#include <vector>

namespace skyvane::test {
namespace {

struct Blob {
    QRect box;
    int pixels = 0;
};

// The 8-connected groups of non-black pixels.
std::vector<Blob> blobsOf(const QImage& picture)
{
    const int w = picture.width(), h = picture.height();
    std::vector<bool> seen(static_cast<std::size_t>(w * h), false);
    std::vector<Blob> blobs;
    for (int start = 0; start < w * h; ++start) {
        if (seen[static_cast<std::size_t>(start)] || isBlack(picture.pixel(start % w, start / w)))
            continue;
        Blob blob;
        std::vector<int> open{start};
        seen[static_cast<std::size_t>(start)] = true;
        while (!open.empty()) {
            const int at = open.back();
            open.pop_back();
            const int x = at % w, y = at / w;
            blob.box = blob.box.united(QRect(x, y, 1, 1));
            ++blob.pixels;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                        continue;
                    const auto next = static_cast<std::size_t>(ny * w + nx);
                    if (!seen[next] && !isBlack(picture.pixel(nx, ny))) {
                        seen[next] = true;
                        open.push_back(ny * w + nx);
                    }
                }
        }
        blobs.push_back(blob);
    }
    return blobs;
}

void expectNear(const QRect& box, const QRect& expected, int tolerance)
{
    EXPECT_NEAR(box.left(), expected.left(), tolerance);
    EXPECT_NEAR(box.top(), expected.top(), tolerance);
    EXPECT_NEAR(box.right(), expected.right(), tolerance);
    EXPECT_NEAR(box.bottom(), expected.bottom(), tolerance);
}

TEST(Pictures, TheFourPicturesAreEightBitPalettePicturesOfTheirSizes)
{
    using namespace skyvane::PictureFiles;
    for (const auto& [name, size] : {RocketSheet, MeteorStrip, Title, Finale}) {
        const QImage picture = loadAsset(name);
        EXPECT_EQ(picture.size(), size) << name;
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8) << name;
        EXPECT_LE(picture.colorCount(), 256) << name;
    }
}

TEST(TitlePicture, ShowsThePilotTheNameAndAboutThirtySmallStars)
{
    const QImage title = loadAsset("title.png");
    ASSERT_EQ(title.size(), skyvane::PictureFiles::Title.size);

    const QRect pilotPlace(QPoint(26, 22), QPoint(182, 226));
    const QRect namePlace(QPoint(212, 197), QPoint(298, 222));
    int stars = 0, strays = 0;
    QRect pilot, name;
    for (const Blob& blob : blobsOf(title)) {
        if (blob.pixels > 2000)
            pilot = pilot.united(blob.box);
        else if (namePlace.adjusted(-3, -3, 3, 3).contains(blob.box))
            name = name.united(blob.box);
        else if (blob.pixels <= 5 && blob.box.width() <= 3 && blob.box.height() <= 3)
            ++stars;
        else
            ++strays;
    }
    expectNear(pilot, pilotPlace, 3);
    expectNear(name, namePlace, 3);
    EXPECT_GE(stars, 25);
    EXPECT_LE(stars, 35);
    EXPECT_EQ(strays, 0);

    int whiteLetters = 0, jointLights = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x) {
            const QRgb c = title.pixel(x, y);
            whiteLetters += namePlace.contains(x, y) && (c & 0xffffffu) == 0xffffffu ? 1 : 0;
            jointLights += pilotPlace.contains(x, y) && qRed(c) >= 200 && qGreen(c) <= 130 && qBlue(c) <= 100 ? 1 : 0;
        }
    EXPECT_GT(whiteLetters, 200);
    EXPECT_GT(jointLights, 12);
}

TEST(FinalePicture, GreyPilotLiesInItsPlaceWithSevenBlackColumnsOnTheLeft)
{
    const QImage finale = loadAsset("finale.png");
    ASSERT_EQ(finale.size(), skyvane::PictureFiles::Finale.size);

    const QRect box = nonBlackBox(finale, finale.rect());
    EXPECT_TRUE(QRect(QPoint(7, 2), QPoint(42, 48)).contains(box)) << box.x() << "," << box.y() << " "
                                                                    << box.width() << "x" << box.height();
    EXPECT_LE(box.left(), 9);
    EXPECT_GE(box.right(), 40);
    EXPECT_GE(box.bottom(), 46);

    std::set<QRgb> colours;
    int notGrey = 0, tooDark = 0, darkVisor = 0, darkBoots = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const QRgb c = finale.pixel(x, y);
            colours.insert(c);
            if (isBlack(c))
                continue;
            notGrey += qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) ? 0 : 1;
            tooDark += qRed(c) < 79 ? 1 : 0;
            const bool dark = qRed(c) <= 100;
            darkVisor += dark && x >= 30 && y <= 16 ? 1 : 0;
            darkBoots += dark && y >= 40 ? 1 : 0;
        }
    EXPECT_EQ(notGrey, 0);
    EXPECT_EQ(tooDark, 0);
    EXPECT_GE(colours.size(), 50u);
    EXPECT_LE(colours.size(), 80u);
    EXPECT_GT(darkVisor, 10);
    EXPECT_GT(darkBoots, 10);
}

TEST(WindowIcon, WhiteRocketOnTheDiagonalIsTheOnlyOpaquePart)
{
    const QImage icon = loadAsset("icon.png");
    ASSERT_EQ(icon.size(), skyvane::PictureFiles::Icon.size);
    ASSERT_TRUE(icon.hasAlphaChannel());

    int offDiagonal = 0, opaque = 0, white = 0, nearestToCorner = 64, furthestFromCorner = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = icon.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            offDiagonal += std::abs(x - y) > 13 ? 1 : 0;
            ++opaque;
            white += qAlpha(c) == 255 && qRed(c) >= 230 && qGreen(c) >= 230 && qBlue(c) >= 230 ? 1 : 0;
            nearestToCorner = std::min(nearestToCorner, x + y);
            furthestFromCorner = std::max(furthestFromCorner, x + y);
        }
    EXPECT_EQ(offDiagonal, 0);
    EXPECT_GT(opaque, 150);
    EXPECT_LT(opaque, 500);
    EXPECT_GT(white, 50);
    EXPECT_LE(nearestToCorner, 10) << "the nose reaches the upper left";
    EXPECT_GE(furthestFromCorner, 52) << "the fins reach the lower right";
}

TEST(WindowIcon, IcoFileHoldsOne32PixelEntryWithTheSamePixels)
{
    QFile file(QStringLiteral(SKYVANE_ASSETS_DIR "/icon.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 22);
    EXPECT_EQ(bytes.left(6), QByteArray::fromHex("000001000100"));  // reserved, icon, one entry
    EXPECT_EQ(bytes[6], 32);
    EXPECT_EQ(bytes[7], 32);

    const QImage fromIco = QImage::fromData(bytes, "ico").convertToFormat(QImage::Format_ARGB32);
    const QImage fromPng = loadAsset("icon.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(fromIco.isNull());
    EXPECT_EQ(fromIco, fromPng);
}

} // namespace
} // namespace skyvane::test
