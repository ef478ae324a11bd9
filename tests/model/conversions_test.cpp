#include <gtest/gtest.h>

#include "model/conversions.h"
#include "platform/error.h"

namespace xal {
namespace {

TEST(ToByte, AcceptsZeroTo255AndOverflowsOutside) {
    EXPECT_EQ(ToByte(0), 0);
    EXPECT_EQ(ToByte(255), 255);
    for (long long bad : {-1LL, 256LL}) {
        try {
            ToByte(bad);
            ADD_FAILURE() << bad << " converted";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
        }
    }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(ToLong(2147483647.4), 2147483647);
    EXPECT_THROW(ToLong(2147483648.0), RunTimeError);
}

TEST(ReadNumber, AcceptsDecimalNumbersOnly) {
    EXPECT_EQ(ReadNumber("1000"), 1000);
    EXPECT_EQ(ReadNumber(" -50 "), -50);
    EXPECT_EQ(ReadNumber("+7"), 7);
    EXPECT_EQ(ReadNumber("12.5"), 12.5);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("1e3"), 1000);
    EXPECT_EQ(ReadNumber("1E20"), 1e20);
    for (const char* text : {"", " ", "-", "abc", "1,5", "12a", "0x10", "inf", "nan", "1e", "."})
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
}

TEST(ReadNumber, ReadsNumbersAsTheLocaleWritesThem) {
    const NumberFormat german{",", "."};
    const NumberFormat english{".", ","};
    const NumberFormat french{",", "\u202f"};
    struct Case {
        const NumberFormat& format;
        const char* text;
        std::optional<double> number;
    };
    const Case cases[] = {
        {german, "1.000", 1000},
        {german, "12,5", 12.5},
        {german, " -1.234.567,5 ", -1234567.5},
        {german, "1,5e3", 1500},
        {german, "65000", 65000},
        {german, "1.5", std::nullopt},
        {german, "1.0000", std::nullopt},
        {german, ".000", std::nullopt},
        {german, "1.000.00", std::nullopt},
        {german, "12.5", std::nullopt},
        {english, "1,000", 1000},
        {english, "1.5", 1.5},
        {english, "1,5", std::nullopt},
        {english, "12,5", std::nullopt},
        {english, "1,000.25", 1000.25},
        {french, "1\u202f000,5", 1000.5},
        {french, "1.5", std::nullopt},
        {german, "", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadNumber(c.text, c.format), c.number) << c.text;
}

TEST(DecimalText, PadsWithLeadingZerosUpToTheDigitsAsked) {
    EXPECT_EQ(DecimalText(7, 2), "07");
    EXPECT_EQ(DecimalText(0, 2), "00");
    EXPECT_EQ(DecimalText(42, 2), "42");
    EXPECT_EQ(DecimalText(100, 2), "100");
    EXPECT_EQ(DecimalText(-7, 2), "-07");
}

}  // namespace
}  // namespace xal
