#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace korvex {

// The refusals of an index out of range, out of line: the check that calls them is inlined into
// every array access of the calculations, so it must cost no more than a compare and a branch.
[[noreturn, gnu::cold]] void throwSubscriptOutOfRange(std::ptrdiff_t i, std::size_t upperBound);
[[noreturn, gnu::cold]] void throwSubscriptOutOfRange2(std::ptrdiff_t i, std::ptrdiff_t j);
[[noreturn, gnu::cold]] void throwSubscriptOutOfRange3(std::ptrdiff_t i, std::ptrdiff_t j,
                                                       std::ptrdiff_t k);

// The stored precision of every shared number: results are rounded to this at the moment they are
// stored, and later steps read the stored value.
using Single = float;
using Integer = std::int16_t;

// A fixed array with inclusive bounds 0..UBound, indexed as the program names it: LDepth(i).
// Out-of-range access throws instead of overwriting a neighbouring variable; handlers catch it and
// report it, so a bad count can never corrupt the state silently.
template <typename T, std::size_t UBound> class VbArray {
public:
    static constexpr std::size_t upperBound = UBound;
    static constexpr std::size_t size() { return UBound + 1; }

    T& operator()(std::ptrdiff_t i) { return data_[checked(i)]; }
    const T& operator()(std::ptrdiff_t i) const { return data_[checked(i)]; }

    void fill(const T& value) { data_.fill(value); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

private:
    // A negative index wraps to a value above every bound.
    static std::size_t checked(std::ptrdiff_t i) {
        if (static_cast<std::size_t>(i) > UBound) [[unlikely]] {
            throwSubscriptOutOfRange(i, UBound);
        }
        return static_cast<std::size_t>(i);
    }
    std::array<T, UBound + 1> data_{};
};

// Two-dimensional fixed array with inclusive bounds [0..U1, 0..U2], indexed as A(i, j).
template <typename T, std::size_t U1, std::size_t U2> class VbArray2 {
public:
    static constexpr std::size_t upperBound1 = U1;
    static constexpr std::size_t upperBound2 = U2;

    T& operator()(std::ptrdiff_t i, std::ptrdiff_t j) { return data_[index(i, j)]; }
    const T& operator()(std::ptrdiff_t i, std::ptrdiff_t j) const { return data_[index(i, j)]; }
    void fill(const T& value) { data_.fill(value); }

private:
    static std::size_t index(std::ptrdiff_t i, std::ptrdiff_t j) {
        if (static_cast<std::size_t>(i) > U1 || static_cast<std::size_t>(j) > U2) [[unlikely]] {
            throwSubscriptOutOfRange2(i, j);
        }
        // The first index varies fastest, as the arrays are laid out in the program's storage.
        return static_cast<std::size_t>(j) * (U1 + 1) + static_cast<std::size_t>(i);
    }
    std::array<T, (U1 + 1) * (U2 + 1)> data_{};
};

// Three-dimensional fixed array with inclusive bounds.
template <typename T, std::size_t U1, std::size_t U2, std::size_t U3> class VbArray3 {
public:
    T& operator()(std::ptrdiff_t i, std::ptrdiff_t j, std::ptrdiff_t k) {
        return data_[index(i, j, k)];
    }
    const T& operator()(std::ptrdiff_t i, std::ptrdiff_t j, std::ptrdiff_t k) const {
        return data_[index(i, j, k)];
    }
    void fill(const T& value) { data_.fill(value); }

private:
    static std::size_t index(std::ptrdiff_t i, std::ptrdiff_t j, std::ptrdiff_t k) {
        if (static_cast<std::size_t>(i) > U1 || static_cast<std::size_t>(j) > U2 ||
            static_cast<std::size_t>(k) > U3) [[unlikely]] {
            throwSubscriptOutOfRange3(i, j, k);
        }
        return (static_cast<std::size_t>(k) * (U2 + 1) + static_cast<std::size_t>(j)) * (U1 + 1) +
               static_cast<std::size_t>(i);
    }
    std::array<T, (U1 + 1) * (U2 + 1) * (U3 + 1)> data_{};
};

template <std::size_t UBound> using SingleArray = VbArray<Single, UBound>;
template <std::size_t U1, std::size_t U2> using SingleArray2 = VbArray2<Single, U1, U2>;
template <std::size_t UBound> using StringArray = VbArray<std::string, UBound>;

// A value that holds nothing, an Integer or a Single; its kind shows in the text it prints as.
struct Variant {
    enum class Kind { Empty, Integer, Single };
    Kind kind = Kind::Empty;
    Single value = 0.0f;

    static Variant integer(Integer v) { return {Kind::Integer, static_cast<Single>(v)}; }
    static Variant single(Single v) { return {Kind::Single, v}; }
    double asDouble() const { return static_cast<double>(value); }
};

} // namespace korvex
