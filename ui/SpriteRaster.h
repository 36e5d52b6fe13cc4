#pragma once
// The pieces every copy onto a surface shares: clipped spans, row access and the
// AND/XOR combine of a mask row and an image row.

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace skyvane {

// A half-open range [begin, end) of offsets.
struct Span {
    int begin = 0;
    int end = 0;

    bool empty() const { return begin >= end; }
    int size() const { return end - begin; }
};

inline Span intersect(Span a, Span b) { return {std::max(a.begin, b.begin), std::min(a.end, b.end)}; }

// The offsets 0..length-1 whose position + offset lies on a surface of the given extent.
inline Span visibleOffsets(int position, int length, int extent)
{
    return {std::max(0, -position), std::min(length, extent - position)};
}

// The rows of an RGB32 image as plain pixels.
class PixelRows {
public:
    explicit PixelRows(QImage& image)
        : pixels_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(static_cast<int>(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))),
          width_(image.width()), height_(image.height())
    {
    }

    QRgb* row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    QRgb* pixels_;
    int stride_;
    int width_;
    int height_;
};

inline const QRgb* constRow(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }

// The mask pass (AND) and then the image pass (XOR) on the 24 colour bits; alpha stays 0xFF.
inline void combineSpan(QRgb* destination, const QRgb* mask, const QRgb* image, int count)
{
    constexpr QRgb opaque = 0xFF000000;
    for (int i = 0; i < count; ++i)
        destination[i] = ((destination[i] & mask[i]) ^ image[i]) | opaque;
}

} // namespace skyvane
