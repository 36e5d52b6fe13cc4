#include "MeteorScaler.h"

#include <array>
#include <cstdint>
#include <span>

#ifdef SKYVANE_AVX2
#include <immintrin.h>
#endif

namespace skyvane {

namespace {

// Rows are combined in whole blocks of this many pixels, one AVX2 register, where the square allows it.
constexpr int kBlock = 8;

// A frame row and the destination rows that sample it, one below the other: their pixel i
// takes column sourceColumns[i] of the frame row.
struct Row {
    const QRgb* mask;
    const QRgb* image;
    const std::uint8_t* sourceColumns;
    int count;
    QRgb* destination;
    int destinationRows;
};

// A row's span grown to whole blocks inside the visible square, to the right first. That is
// safe: ground pixels leave an opaque pixel as it is, and an RGB32 surface holds only opaque ones.
Span roundedUp(Span span, Span limit)
{
    const int size = (span.size() + kBlock - 1) / kBlock * kBlock;
    const int end = std::min(limit.end, span.begin + size);
    return {std::max(limit.begin, end - size), end};
}

// Steps through the frame rows of one meteor that change a pixel of the target.
class RowWalk {
public:
    RowWalk(const NearestScale& scale, const MeteorFrames& frames, const PixelRows& target, int left, int top,
            int size, int frame)
        : scale_(scale), frames_(frames), target_(target), left_(left), top_(top), size_(size), frame_(frame),
          columns_(visibleOffsets(left, size, target.width())), rows_(visibleOffsets(top, size, target.height())),
          sourceOf_(scale.sourceIndices(size))
    {
        if (!columns_.empty() && !rows_.empty())
            sourceRows_ = {sourceOf_[rows_.begin], sourceOf_[rows_.end - 1] + 1};
    }

    bool visible() const { return !sourceRows_.empty(); }
    std::ptrdiff_t stride() const { return target_.stride(); }

    // Fills row with the next frame row that changes a pixel; false once there is none left.
    bool next(Row& row)
    {
        for (; sourceRows_.begin < sourceRows_.end; ++sourceRows_.begin) {
            const int source = sourceRows_.begin;
            const Span destinations = intersect(rows_, scale_.destinationsOf(size_, {source, source + 1}));
            const Span drawn = intersect(columns_, scale_.destinationsOf(size_, frames_.spanOf(frame_, source)));
            if (destinations.empty() || drawn.empty())
                continue;
            const Span combined = roundedUp(drawn, columns_);
            row = {frames_.maskRow(frame_, source), frames_.imageRow(frame_, source), sourceOf_ + combined.begin,
                   combined.size(), target_.row(top_ + destinations.begin) + (left_ + combined.begin),
                   destinations.size()};
            ++sourceRows_.begin;
            return true;
        }
        return false;
    }

private:
    const NearestScale& scale_;
    const MeteorFrames& frames_;
    const PixelRows& target_;
    int left_;
    int top_;
    int size_;
    int frame_;
    Span columns_;
    Span rows_;
    const std::uint8_t* sourceOf_;
    Span sourceRows_;
};

// Each frame row is sampled once, then combined into each of its destination rows.
void drawSampled(RowWalk walk)
{
    std::array<QRgb, NearestScale::kLargestSize> mask;
    std::array<QRgb, NearestScale::kLargestSize> image;
    for (Row row; walk.next(row);) {
        for (int i = 0; i < row.count; ++i) {
            mask[static_cast<std::size_t>(i)] = row.mask[row.sourceColumns[i]];
            image[static_cast<std::size_t>(i)] = row.image[row.sourceColumns[i]];
        }
        for (int below = 0; below < row.destinationRows; ++below)
            combineSpan(row.destination + below * walk.stride(), mask.data(), image.data(), row.count);
    }
}

#ifdef SKYVANE_AVX2
// From this size up, eight neighbouring destination pixels sample at most eight neighbouring
// source pixels, and a frame row covers at most two destination rows.
constexpr int kPermutedFromSize = NearestScale::kSourceSize;

// Eight pixels of a frame row from its column first on: up to seven past the frame's last column.
static_assert(kBlock - 1 <= MeteorScaler::kReadAhead);
[[gnu::target("avx2")]] __m256i loadEight(const QRgb* row, int first)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + first));
}

// One load and one lane permutation scale eight pixels at once.
template <int DestinationRows>
[[gnu::target("avx2"), gnu::always_inline]] inline void combinePermuted(const Row& row, std::ptrdiff_t stride)
{
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    int done = 0;
    for (; done + kBlock <= row.count; done += kBlock) {
        const std::uint8_t* columns = row.sourceColumns + done;
        const int first = columns[0];
        const __m256i lanes =
            _mm256_sub_epi32(_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(columns))),
                             _mm256_set1_epi32(first));
        const __m256i mask = _mm256_permutevar8x32_epi32(loadEight(row.mask, first), lanes);
        const __m256i image = _mm256_permutevar8x32_epi32(loadEight(row.image, first), lanes);
        for (int below = 0; below < DestinationRows; ++below) {
            auto* out = reinterpret_cast<__m256i*>(row.destination + below * stride + done);
            const __m256i pixels = _mm256_loadu_si256(out);
            _mm256_storeu_si256(out, _mm256_or_si256(_mm256_xor_si256(_mm256_and_si256(pixels, mask), image), opaque));
        }
    }
    // Only a square cut by the surface's edge leaves a rest; masked vector stores are slow on some hosts.
    for (; done < row.count; ++done) {
        const int column = row.sourceColumns[done];
        for (int below = 0; below < DestinationRows; ++below) {
            QRgb& pixel = row.destination[below * stride + done];
            pixel = combinePixel(pixel, row.mask[column], row.image[column]);
        }
    }
}

// The frame rows that cover two destination rows are drawn first, then the others: rows are
// disjoint, so their order does not matter, and a choice per row would be a mispredicted branch.
[[gnu::target("avx2")]] void drawPermuted(RowWalk walk)
{
    std::array<Row, NearestScale::kSourceSize> rows;
    std::size_t twos = 0;
    std::size_t ones = rows.size();
    for (Row row; walk.next(row);) {
        const bool two = row.destinationRows == 2;
        rows[two ? twos : ones - 1] = row;
        twos += two;
        ones -= !two;
    }
    for (const Row& row : std::span(rows).first(twos))
        combinePermuted<2>(row, walk.stride());
    for (const Row& row : std::span(rows).subspan(ones))
        combinePermuted<1>(row, walk.stride());
}
#endif

} // namespace

MeteorScaler::MeteorScaler(const QImage& meteorSurface) : frames_(meteorSurface), permuted_(processorHasAvx2()) {}

bool MeteorScaler::draw(const PixelRows& target, int left, int top, int size, int frame) const
{
    const RowWalk walk(scale_, frames_, target, left, top, size, frame);
    if (!walk.visible())
        return false;
#ifdef SKYVANE_AVX2
    if (size >= kPermutedFromSize && permuted_) {
        drawPermuted(walk);
        return true;
    }
#endif
    drawSampled(walk);
    return true;
}

} // namespace skyvane
