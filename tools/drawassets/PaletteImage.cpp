#include "tools/drawassets/PaletteImage.h"

#include <QHash>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace skyvane::drawassets {

QImage toIndexed8(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, uchar> indexOf;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            indexOf.emplace(line[x] | 0xff000000u, 0);
    }
    if (indexOf.size() > 256)
        throw std::runtime_error("picture uses " + std::to_string(indexOf.size()) + " colours, more than 256");

    QList<QRgb> table;
    for (auto& [colour, index] : indexOf) {
        index = static_cast<uchar>(table.size());
        table.append(colour);
    }
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = indexOf.at(line[x] | 0xff000000u);
    }
    return indexed;
}

QRgb nearestColour(QRgb colour, const QList<QRgb>& palette)
{
    QRgb best = palette.value(0);
    int bestDistance = -1;
    for (QRgb candidate : palette) {
        const int dr = qRed(candidate) - qRed(colour);
        const int dg = qGreen(candidate) - qGreen(colour);
        const int db = qBlue(candidate) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best | 0xff000000u;
}

void snapToPalette(QImage& picture, const QList<QRgb>& palette)
{
    QHash<QRgb, QRgb> snapped;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = snapped.constFind(colour);
            if (found == snapped.constEnd())
                found = snapped.insert(colour, nearestColour(colour, palette));
            line[x] = *found;
        }
    }
}

QList<QRgb> colourRamp(QRgb from, QRgb to, int steps)
{
    QList<QRgb> ramp;
    for (int i = 0; i < steps; ++i) {
        const double t = steps > 1 ? static_cast<double>(i) / (steps - 1) : 0.0;
        auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
        ramp.append(qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to))));
    }
    return ramp;
}

} // namespace skyvane::drawassets
