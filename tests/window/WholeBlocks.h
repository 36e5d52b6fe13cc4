#pragma once
// How a client area larger than the surface must show it: at the largest whole scale that
// fits, centred, on black, each pixel a square block of whole screen pixels.

#include <QImage>
#include <QString>

#include <algorithm>

namespace skyvane::testing {

struct ScaledView {
    int scale;      // in the area's own pixels; the screen's ratio multiplies it
    QPoint corner;  // of the shown surface in the area; negative where the area cuts it
};

constexpr QSize kClientSize{320, 241};

inline ScaledView expectedView(QSize area)
{
    const int scale = std::max(1, std::min(area.width() / kClientSize.width(), area.height() / kClientSize.height()));
    return {scale, QPoint((area.width() - kClientSize.width() * scale) / 2, (area.height() - kClientSize.height() * scale) / 2)};
}

// The first screen pixel of shown (a grab, in device pixels) that is not the picture's block or
// black around it, as "x,y: shown, expected"; empty when every pixel is right.
inline QString blockMismatch(const QImage& picture, const QImage& shown, ScaledView view)
{
    const int ratio = qRound(shown.devicePixelRatio());
    const int block = view.scale * ratio;
    const QPoint corner = view.corner * ratio;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint source((x - corner.x()) / block, (y - corner.y()) / block);
            const bool inside = x >= corner.x() && y >= corner.y() && picture.rect().contains(source);
            const QRgb expected = inside ? picture.pixel(source) : qRgb(0, 0, 0);
            if ((shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF))
                return QStringLiteral("%1,%2: %3, expected %4").arg(x).arg(y).arg(shown.pixel(x, y) & 0xFFFFFF, 6, 16)
                    .arg(expected & 0xFFFFFF, 6, 16);
        }
    return {};
}

} // namespace skyvane::testing
