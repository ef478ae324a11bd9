// SPDX-License-Identifier: MIT
#include "core/base/conversions.h"

#include <cmath>
#include <limits>

#include "core/base/error.h"
#include "core/base/number_text.h"

namespace xal {

Byte ToByte(long long value) {
    if (value < 0 || value > std::numeric_limits<Byte>::max()) Raise(ErrorNumber::Overflow);
    return static_cast<Byte>(value);
}

Long ToLong(double value) {
    if (!std::isfinite(value)) Raise(ErrorNumber::Overflow);
    double rounded = RoundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) Raise(ErrorNumber::Overflow);
    return static_cast<Long>(rounded);
}

std::string DecimalText(long long value) {
    return std::to_string(value);
}

std::string DecimalText(long long value, int digits) {
    std::string text = DecimalText(value);
    const std::size_t sign = value < 0 ? 1 : 0;
    const std::size_t wanted = static_cast<std::size_t>(digits) + sign;
    if (text.size() < wanted) text.insert(sign, wanted - text.size(), '0');
    return text;
}

}  // namespace xal
