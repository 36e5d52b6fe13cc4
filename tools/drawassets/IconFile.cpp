#include "tools/drawassets/IconFile.h"

#include <QtEndian>
#include <stdexcept>

namespace skyvane::drawassets {

namespace {

void put16(QByteArray& bytes, int value)
{
    const auto le = qToLittleEndian(static_cast<quint16>(value));
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void put32(QByteArray& bytes, qint64 value)
{
    const auto le = qToLittleEndian(static_cast<quint32>(value));
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

} // namespace

QByteArray IconFile::encode(const QImage& icon)
{
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    if (width < 1 || width > 256 || height < 1 || height > 256)
        throw std::invalid_argument("an icon entry is 1 to 256 pixels on each side");

    const int maskStride = ((width + 31) / 32) * 4;
    const qint64 bitmapSize = 40 + qint64{width} * height * 4 + qint64{maskStride} * height;

    QByteArray bytes;
    // ICONDIR: reserved, type 1 (icon), one entry.
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, 1);
    // ICONDIRENTRY: size (0 means 256), no palette, one plane, 32 bits, size and offset.
    bytes.append(static_cast<char>(width % 256));
    bytes.append(static_cast<char>(height % 256));
    bytes.append('\0');
    bytes.append('\0');
    put16(bytes, 1);
    put16(bytes, 32);
    put32(bytes, bitmapSize);
    put32(bytes, 6 + 16);

    // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
    put32(bytes, 40);
    put32(bytes, width);
    put32(bytes, 2 * height);
    put16(bytes, 1);
    put16(bytes, 32);
    put32(bytes, 0);
    put32(bytes, qint64{width} * height * 4 + qint64{maskStride} * height);
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, 0);

    // Rows bottom up: the colours, then the AND mask.
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            bytes.append(static_cast<char>(qBlue(line[x])));
            bytes.append(static_cast<char>(qGreen(line[x])));
            bytes.append(static_cast<char>(qRed(line[x])));
            bytes.append(static_cast<char>(qAlpha(line[x])));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        bytes.append(row);
    }
    return bytes;
}

} // namespace skyvane::drawassets
