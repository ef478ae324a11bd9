#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace xal {

using Byte = std::uint8_t;
using Long = std::int32_t;

// Converts a whole number to a Byte; outside 0 to 255 it raises the overflow error (6).
Byte ToByte(long long value);

// Converts a number to a Long, rounding halves to the even neighbour; outside the
// 32-bit range it raises the overflow error (6).
Long ToLong(double value);

// Rounds to the nearest whole number, halves to the even one (12.5 -> 12, 13.5 -> 14).
double RoundHalfEven(double value);

// The one test of whether a text reads as a number: optional blanks, an optional sign,
// digits with an optional decimal point, an optional exponent, optional blanks.
// Returns the number, or nothing for any other text (empty, "abc", "-", "1,5").
std::optional<double> ReadNumber(const std::string& text);

// How a locale writes numbers: its decimal and group separators (UTF-8; "," and "." in
// German, "." and "," in English, "," and a narrow space in French).
struct NumberFormat {
    std::string decimal = ".";
    std::string group;  // empty: no grouping
};

// ReadNumber for a number as a locale writes it: its decimal separator, and group
// separators between the whole part's groups of three digits ("1.000,5" in German).
// Misplaced group separators ("1.5" in German) make it no number.
std::optional<double> ReadNumber(const std::string& text, const NumberFormat& format);

// A number in plain decimal: no grouping, no leading zeros, a minus sign when negative.
std::string DecimalText(long long value);

// A number in decimal with leading zeros up to `digits` digits ("00": 7 -> "07", 100 -> "100").
std::string DecimalText(long long value, int digits);

}  // namespace xal
