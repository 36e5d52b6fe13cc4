#include "Checked.h"

namespace skyvane {

namespace {
std::string placeName(const char* name, int index)
{
    std::string place(name);
    if (index >= 0)
        place += "(" + std::to_string(index) + ")";
    return place;
}
} // namespace

void throwOverflow(const char* name, int index, std::int64_t value, std::int64_t low, std::int64_t high)
{
    throw RangeError("Overflow: " + placeName(name, index) + " = " + std::to_string(value) + " is outside " +
                     std::to_string(low) + ".." + std::to_string(high));
}

void throwSubscript(const char* name, std::int64_t index, int count)
{
    throw RangeError("Subscript out of range: " + std::string(name) + "(" + std::to_string(index) +
                     ") is outside 0.." + std::to_string(count - 1));
}

} // namespace skyvane
