#include "MeteorScaler.h"

namespace skyvane {

MeteorScaler::MeteorScaler(const QImage& meteorSurface) : frames_(meteorSurface) {}

bool MeteorScaler::draw(const PixelRows& target, int left, int top, int size, int frame)
{
    const Span columns = visibleOffsets(left, size, target.width());
    const Span rows = visibleOffsets(top, size, target.height());
    if (columns.empty() || rows.empty())
        return false;
    const std::uint8_t* sourceOf = scale_.sourceIndices(size);
    int scaledRow = -1;
    for (int y = rows.begin; y < rows.end; ++y) {
        const int sourceRow = sourceOf[y];
        const Span drawn = intersect(columns, scale_.destinationsOf(size, frames_.spanOf(frame, sourceRow)));
        if (drawn.empty())
            continue;
        // Rows that sample the same source row share one scaled row.
        if (sourceRow != scaledRow) {
            scaleRow(frame, sourceRow, sourceOf, drawn);
            scaledRow = sourceRow;
        }
        combineSpan(target.row(top + y) + (left + drawn.begin), scaledMask_.data() + drawn.begin,
                    scaledImage_.data() + drawn.begin, drawn.size());
    }
    return true;
}

void MeteorScaler::scaleRow(int frame, int sourceRow, const std::uint8_t* sourceColumns, Span columns)
{
    const std::uint64_t* source = frames_.row(frame, sourceRow);
    for (int x = columns.begin; x < columns.end; ++x) {
        const std::uint64_t packed = source[sourceColumns[x]];
        scaledMask_[static_cast<std::size_t>(x)] = MeteorFrames::maskOf(packed);
        scaledImage_[static_cast<std::size_t>(x)] = MeteorFrames::imageOf(packed);
    }
}

} // namespace skyvane
