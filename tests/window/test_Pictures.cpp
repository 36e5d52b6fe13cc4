// Loading the embedded pictures, and the clear error a damaged one gives.
#include "ui/Pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace skyvane;

TEST(Pictures, TheEmbeddedPicturesLoadWithTheirSizes)
{
    const Pictures pictures = loadPictures();
    EXPECT_EQ(pictures.rocketSheet.size(), QSize(300, 300));
    EXPECT_EQ(pictures.meteorStrip.size(), QSize(1000, 200));
    EXPECT_EQ(pictures.title.size(), QSize(320, 240));
    EXPECT_EQ(pictures.finale.size(), QSize(50, 50));
    EXPECT_TRUE(pictures.icon.hasAlphaChannel());
}

TEST(Pictures, ADamagedOrMissingPictureIsAClearError)
{
    QTemporaryDir dir;
    QFile original(PicturePath::Finale);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes.truncate(bytes.size() / 3);
    const QString damaged = dir.filePath("finale.png");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const std::vector<std::pair<QString, QSize>> cases{
        {damaged, {50, 50}}, {dir.filePath("missing.png"), {50, 50}}, {PicturePath::Finale, {60, 50}}};
    for (const auto& [path, size] : cases) {
        try {
            loadPicture(path, size);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos) << error.what();
        }
    }
}
