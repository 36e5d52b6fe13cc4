#pragma once
// Range-checked storage for game values: every store into a game variable goes through
// these types, so a value outside its variable's width or an index outside its bounds
// raises RangeError instead of wrapping silently.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>

namespace skyvane {

// The run-time error of the game: an overflow or a subscript out of range.
class RangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void throwOverflow(const char* name, int index, std::int64_t value, std::int64_t low,
                                std::int64_t high);
[[noreturn]] void throwSubscript(const char* name, std::int64_t index, int count);

// Narrows a computed value into T, raising RangeError when it does not fit.
template <typename T>
T narrowChecked(std::int64_t value, const char* name, int index = -1)
{
    constexpr auto low = std::numeric_limits<T>::min();
    constexpr auto high = std::numeric_limits<T>::max();
    if (value < low || value > high)
        throwOverflow(name, index, value, low, high);
    return static_cast<T>(value);
}

// A scalar game variable of integer type T.
template <typename T>
class Checked {
public:
    explicit constexpr Checked(const char* name) : name_(name) {}
    Checked(const Checked&) = delete;
    // A whole state is assigned as a snapshot is taken or restored: the value alone is copied.
    Checked& operator=(const Checked& other)
    {
        value_ = other.value_;
        return *this;
    }

    constexpr operator T() const { return value_; }
    Checked& operator=(std::int64_t value)
    {
        value_ = narrowChecked<T>(value, name_);
        return *this;
    }
    Checked& operator+=(std::int64_t delta) { return *this = std::int64_t{value_} + delta; }
    Checked& operator-=(std::int64_t delta) { return *this = std::int64_t{value_} - delta; }
    const char* name() const { return name_; }

private:
    const char* name_;
    T value_ = 0;
};

// A fixed-size game array with bounds 0..Count-1 and elements of integer type T.
template <typename T, int Count>
class CheckedArray {
public:
    // One element as an assignable place; stores are range-checked.
    class Cell {
    public:
        constexpr operator T() const { return *slot_; }
        Cell& operator=(std::int64_t value)
        {
            *slot_ = narrowChecked<T>(value, owner_->name_, index_);
            return *this;
        }
        Cell& operator=(const Cell& other) { return *this = std::int64_t{T(other)}; }
        Cell& operator+=(std::int64_t delta) { return *this = std::int64_t{*slot_} + delta; }
        Cell& operator-=(std::int64_t delta) { return *this = std::int64_t{*slot_} - delta; }

    private:
        friend class CheckedArray;
        constexpr Cell(const CheckedArray* owner, T* slot, int index) : owner_(owner), slot_(slot), index_(index) {}
        const CheckedArray* owner_;
        T* slot_;
        int index_;
    };

    explicit constexpr CheckedArray(const char* name) : name_(name) {}
    CheckedArray(const CheckedArray&) = delete;
    CheckedArray& operator=(const CheckedArray& other)
    {
        std::copy(std::begin(other.values_), std::end(other.values_), std::begin(values_));
        return *this;
    }

    Cell operator[](std::int64_t index) { return Cell(this, &values_[checkIndex(index)], static_cast<int>(index)); }
    T operator[](std::int64_t index) const { return values_[checkIndex(index)]; }
    static constexpr int size() { return Count; }
    const char* name() const { return name_; }

private:
    std::size_t checkIndex(std::int64_t index) const
    {
        if (index < 0 || index >= Count)
            throwSubscript(name_, index, Count);
        return static_cast<std::size_t>(index);
    }

    const char* name_;
    T values_[Count] = {};
};

} // namespace skyvane
