// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace xal {

using Byte = std::uint8_t;
using Long = std::int32_t;

// Converts a whole number to a Byte; outside 0 to 255 it raises the overflow error (6).
Byte ToByte(long long value);

// Converts a number to a Long, rounding halves to the even neighbour; outside the
// 32-bit range it raises the overflow error (6).
Long ToLong(double value);

// A number in plain decimal: no grouping, no leading zeros, a minus sign when negative.
std::string DecimalText(long long value);

// A number in decimal with leading zeros up to `digits` digits ("00": 7 -> "07", 100 -> "100").
std::string DecimalText(long long value, int digits);

}  // namespace xal
