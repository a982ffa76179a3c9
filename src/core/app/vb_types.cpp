#include "app/vb_types.h"

#include <stdexcept>

namespace korvex {

void throwSubscriptOutOfRange(std::ptrdiff_t i, std::size_t upperBound) {
    throw std::out_of_range("Subscript out of range (" + std::to_string(i) + " not in 0.." +
                            std::to_string(upperBound) + ")");
}

void throwSubscriptOutOfRange2(std::ptrdiff_t i, std::ptrdiff_t j) {
    throw std::out_of_range("Subscript out of range (" + std::to_string(i) + ", " +
                            std::to_string(j) + ")");
}

void throwSubscriptOutOfRange3(std::ptrdiff_t i, std::ptrdiff_t j, std::ptrdiff_t k) {
    throw std::out_of_range("Subscript out of range (" + std::to_string(i) + ", " +
                            std::to_string(j) + ", " + std::to_string(k) + ")");
}

} // namespace korvex
