// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Reading numbers from text, as the user or a stored setting writes them.
namespace xal {

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

}  // namespace xal
