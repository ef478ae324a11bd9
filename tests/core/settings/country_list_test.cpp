// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/settings/country_list.h"

namespace xal {
namespace {

TEST(CountryNames, TheFirstTwentyLinesWithoutTheirCarriageReturns) {
    std::string lines = "\xc9ire\r\n\r\n";
    for (int k = 1; k <= 21; ++k) lines += "Country " + std::to_string(k) + "\r\n";
    const std::vector<std::string> names = CountryNames(lines);
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names[0], "\xc9ire") << "the file's own bytes";
    EXPECT_EQ(names[1], "") << "an empty line is a name";
    EXPECT_EQ(names[19], "Country 18");
    EXPECT_EQ(CountryNames("A\r\nB\r\n\nC\r\n"), (std::vector<std::string>{"A", "B"}))
        << "a bare line feed ends the list";
    EXPECT_EQ(CountryNames("A\r\nB"), std::vector<std::string>{"A"}) << "as does the file's end";
}

}  // namespace
}  // namespace xal
