#include "NearestScale.h"

namespace skyvane {

namespace {

// floor((d + 0.5) * 100 / size) in whole numbers.
int sampledIndex(int destination, int size) { return (2 * destination + 1) * NearestScale::kSourceSize / (2 * size); }

} // namespace

NearestScale::NearestScale()
    : sourceIndex_(rowStart(kLargestSize + 1)),
      firstDestination_(firstStart(kLargestSize + 1))
{
    for (int size = 1; size <= kLargestSize; ++size) {
        std::uint8_t* sources = &sourceIndex_[rowStart(size)];
        std::uint8_t* first = &firstDestination_[firstStart(size)];
        int destination = 0;
        for (int source = 0; source <= kSourceSize; ++source) {
            while (destination < size && sampledIndex(destination, size) < source)
                ++destination;
            first[source] = static_cast<std::uint8_t>(destination);
        }
        for (int d = 0; d < size; ++d)
            sources[d] = static_cast<std::uint8_t>(sampledIndex(d, size));
    }
}

} // namespace skyvane
