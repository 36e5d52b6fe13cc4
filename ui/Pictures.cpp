#include "Pictures.h"

#include <QImageReader>

namespace skyvane {

QImage loadPicture(const QString& path, QSize expectedSize)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(QStringLiteral("The picture %1 could not be loaded: %2").arg(path, reader.errorString()).toStdString());
    if (image.size() != expectedSize)
        throw PictureError(QStringLiteral("The picture %1 is %2 x %3 pixels; it must be %4 x %5")
                               .arg(path)
                               .arg(image.width())
                               .arg(image.height())
                               .arg(expectedSize.width())
                               .arg(expectedSize.height())
                               .toStdString());
    return image;
}

Pictures loadPictures()
{
    return Pictures{loadPicture(PicturePath::RocketSheet, {300, 300}), loadPicture(PicturePath::MeteorStrip, {1000, 200}),
                    loadPicture(PicturePath::Title, {320, 240}), loadPicture(PicturePath::Finale, {50, 50}),
                    loadPicture(PicturePath::Icon, {32, 32})};
}

} // namespace skyvane
