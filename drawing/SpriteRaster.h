#pragma once
// The pieces every copy onto a surface shares: clipped spans, row access and the
// AND/XOR combine of a mask and an image.

#include "platform/ProcessorFeatures.h"

#include <QImage>

#include <algorithm>
#include <cstddef>

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

inline QRgb* pixelsOf(QImage& image) { return reinterpret_cast<QRgb*>(image.bits()); }
inline const QRgb* pixelsOf(const QImage& image) { return reinterpret_cast<const QRgb*>(image.constBits()); }

// The rows of an RGB32 image as plain pixels, looked up once rather than once per row.
template <typename Pixel>
class Rows {
public:
    template <typename Image>
    explicit Rows(Image& image)
        : pixels_(pixelsOf(image)),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          width_(image.width()), height_(image.height())
    {
    }

    Pixel* row(int y) const { return pixels_ + y * stride_; }
    std::ptrdiff_t stride() const { return stride_; }
    // All rows end to end, the padding between them included.
    std::size_t pixelCount() const { return static_cast<std::size_t>(height_ * stride_); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    Pixel* pixels_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
};

using PixelRows = Rows<QRgb>;
using ConstPixelRows = Rows<const QRgb>;

// The alpha byte of every pixel of an RGB32 surface.
constexpr QRgb kOpaque = 0xFF000000;

// The mask pass (AND) and then the image pass (XOR) on the 24 colour bits; alpha stays 0xFF.
inline QRgb combinePixel(QRgb below, QRgb mask, QRgb image) { return ((below & mask) ^ image) | kOpaque; }

inline void combineSpan(QRgb* __restrict destination, const QRgb* __restrict mask, const QRgb* __restrict image,
                        int count)
{
    for (int i = 0; i < count; ++i)
        destination[i] = combinePixel(destination[i], mask[i], image[i]);
}

} // namespace skyvane
