#pragma once
// The five pictures of the window, embedded as resources and loaded with it.

#include <QImage>
#include <QString>
#include <stdexcept>

namespace skyvane {

// A picture resource that is missing, damaged or of the wrong size.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Pictures {
    QImage rocketSheet;  // 300 x 300: 18 sprites in rows 0-2, their masks 150 px below
    QImage meteorStrip;  // 1000 x 200: ten frames, their masks 100 px below
    QImage title;        // 320 x 240
    QImage finale;       // 50 x 50
    QImage icon;         // 32 x 32 with transparency
};

namespace PicturePath {
inline const QString RocketSheet = QStringLiteral(":/assets/rocket_sheet.png");
inline const QString MeteorStrip = QStringLiteral(":/assets/meteor_strip.png");
inline const QString Title = QStringLiteral(":/assets/title.png");
inline const QString Finale = QStringLiteral(":/assets/finale.png");
inline const QString Icon = QStringLiteral(":/assets/icon.png");
} // namespace PicturePath

// Loads one picture and checks its size; throws PictureError naming the resource.
QImage loadPicture(const QString& path, QSize expectedSize);

// Loads all five; throws PictureError on the first that fails.
Pictures loadPictures();

} // namespace skyvane
