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

namespace {

QImage loadFile(const PictureFile& file) { return loadPicture(file.resourcePath(), file.size); }

} // namespace

Pictures loadPictures()
{
    using namespace PictureFiles;
    return Pictures{loadFile(RocketSheet), loadFile(MeteorStrip), loadFile(Title), loadFile(Finale),
                    loadFile(Icon)};
}

} // namespace skyvane
