#include "app/notice_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace korvex {
namespace {

TEST(NoticeLine, KeepsTheShapeThatFileReadersCountOn) {
    const std::string_view line = kNoticeLine;
    EXPECT_EQ(std::count(line.begin(), line.end(), ':'), 1);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 4); // five items
    EXPECT_EQ(line.find_first_of("\t\"\r\n"), std::string_view::npos);
}

} // namespace
} // namespace korvex
