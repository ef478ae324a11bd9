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

// A number in plain decimal: no grouping, no leading zeros, a minus sign when negative.
std::string DecimalText(long long value);

// A number in decimal with leading zeros up to `digits` digits ("00": 7 -> "07", 100 -> "100").
std::string DecimalText(long long value, int digits);

}  // namespace xal
