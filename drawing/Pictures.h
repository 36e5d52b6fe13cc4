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

// A picture file of assets/ and the size it must have.
struct PictureFile {
    const char* name;
    QSize size;

    // Where the file is embedded.
    QString resourcePath() const { return QStringLiteral(":/assets/") + QLatin1String(name); }
};

namespace PictureFiles {
inline constexpr PictureFile RocketSheet{"rocket_sheet.png", {300, 300}};  // 18 sprites in rows 0-2, masks 150 px below
inline constexpr PictureFile MeteorStrip{"meteor_strip.png", {1000, 200}};  // ten frames, masks 100 px below
inline constexpr PictureFile Title{"title.png", {320, 240}};
inline constexpr PictureFile Finale{"finale.png", {50, 50}};
inline constexpr PictureFile Icon{"icon.png", {32, 32}};  // with transparency
} // namespace PictureFiles

struct Pictures {
    QImage rocketSheet;
    QImage meteorStrip;
    QImage title;
    QImage finale;
    QImage icon;
};

// Loads one picture and checks its size; throws PictureError naming the file.
QImage loadPicture(const QString& path, QSize expectedSize);

// Loads all five; throws PictureError on the first that fails.
Pictures loadPictures();

} // namespace skyvane
