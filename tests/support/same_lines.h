#pragma once

// Report text compared line by line: a failure names the first line that differs, so it points
// at one line of a hand-written reference file.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvex::test {

inline testing::AssertionResult sameLines(const std::vector<std::string>& actual,
                                          const std::vector<std::string>& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (actual[i] != expected[i]) {
            return testing::AssertionFailure() << "line " << i + 1 << " is\n  \"" << actual[i]
                                               << "\"\nexpected\n  \"" << expected[i] << "\"";
        }
    }
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure()
               << actual.size() << " lines, expected " << expected.size() << "; line " << common + 1
               << " is the first that only one of them has";
    }
    return testing::AssertionSuccess();
}

} // namespace korvex::test
