#pragma once
// The bytes of a Windows .ico file, for the program file's icon resource.

#include <QByteArray>
#include <QImage>

namespace skyvane::drawassets {

// One entry: the image as a 32-bit BGRA bitmap with its 1-bit AND mask (set where fully
// transparent), the layout every icon reader accepts.
class IconFile {
public:
    static QByteArray encode(const QImage& icon);
};

} // namespace skyvane::drawassets
