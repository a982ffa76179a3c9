#pragma once

#include "app/desktop.h"

#include <stdexcept>
#include <string>

namespace korvex {

// A refusal of the settlement calculation: the message the user sees and its icon. Thrown from
// deep inside a stage so that every stage stays a plain computation; the entry point shows it and
// drops the scratch state, so a refused calculation leaves no half-written results behind.
class CalculationStop : public std::runtime_error {
public:
    CalculationStop(const std::string& message, int style)
        : std::runtime_error(message), style_(style) {}
    int style() const { return style_; }

private:
    int style_;
};

[[noreturn]] inline void stopCalculation(const std::string& message, int style = vbExclamation) {
    throw CalculationStop(message, style);
}

} // namespace korvex
