// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/base/number_text.h"

namespace xal {
namespace {

TEST(ReadNumber, AcceptsDecimalNumbersOnly) {
    EXPECT_EQ(ReadNumber(" -50 "), -50);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("1E20"), 1e20);
    for (const char* text : {"", "-", "1,5", "12a", "0x10", "inf", "nan", "1e", "."})
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
}

TEST(ReadNumber, ReadsNumbersAsTheLocaleWritesThem) {
    const NumberFormat german{",", "."};
    const NumberFormat english{".", ","};
    const NumberFormat french{",", "\u202f"};
    const struct {
        const NumberFormat& format;
        const char* text;
        std::optional<double> number;
    } cases[] = {
        {german, " -1.234.567,5 ", -1234567.5}, {german, "1,5e3", 1500},
        {german, "1.5", std::nullopt},          {german, "1.0000", std::nullopt},
        {german, ".000", std::nullopt},         {german, "1.000.00", std::nullopt},
        {german, "1234.567", std::nullopt},     {english, "1,000.25", 1000.25},
        {english, "1,5", std::nullopt},         {french, "1\u202f000,5", 1000.5},
        {french, "1.5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text, c.format), c.number) << c.text;
}

}  // namespace
}  // namespace xal
