#include "MeteorFrames.h"

namespace skyvane {

namespace {

bool isGround(QRgb mask, QRgb image) { return (mask & 0xFFFFFF) == 0xFFFFFF && (image & 0xFFFFFF) == 0; }

} // namespace

MeteorFrames::MeteorFrames(const QImage& meteorSurface)
    : surface_(meteorSurface), spans_(rowIndex(kFrameCount, 0))
{
    for (int frame = 0; frame < kFrameCount; ++frame) {
        for (int y = 0; y < kCellSize; ++y) {
            const QRgb* image = imageRow(frame, y);
            const QRgb* mask = maskRow(frame, y);
            Span drawn{kCellSize, 0};
            for (int x = 0; x < kCellSize; ++x) {
                if (!isGround(mask[x], image[x]))
                    drawn = {std::min(drawn.begin, x), x + 1};
            }
            spans_[rowIndex(frame, y)] = drawn.empty() ? Span{} : drawn;
        }
    }
}

int MeteorFrames::frameAt(int frameX)
{
    if (frameX < 0 || frameX % kCellSize != 0 || frameX / kCellSize >= kFrameCount)
        return -1;
    return frameX / kCellSize;
}

} // namespace skyvane
