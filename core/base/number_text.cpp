// SPDX-License-Identifier: MIT
#include "core/base/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace xal {

double RoundHalfEven(double value) {
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5) return whole + 1;
    if (fraction < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

std::optional<double> ReadNumber(const std::string& text, const NumberFormat& format) {
    // Rewritten in the C form that ReadNumber takes, the grouping checked on the way.
    std::string plain;
    std::size_t i = 0;
    auto at = [&](const std::string& mark) {
        return !mark.empty() && text.compare(i, mark.size(), mark) == 0;
    };
    while (i < text.size() && (text[i] == ' ' || text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    // The whole part: a separator follows one to three digits, or three after another.
    std::size_t run = 0;
    bool grouped = false;
    while (i < text.size()) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            plain += text[i++];
            ++run;
        } else if (at(format.group)) {
            if (run == 0 || run > 3 || (grouped && run != 3)) return std::nullopt;
            grouped = true;
            run = 0;
            i += format.group.size();
        } else {
            break;
        }
    }
    if (grouped && run != 3) return std::nullopt;
    if (at(format.decimal)) {
        plain += '.';
        i += format.decimal.size();
    }
    const std::string rest = text.substr(i);
    // The C decimal point is no separator of a locale that writes another one.
    if (format.decimal != "." && rest.find('.') != std::string::npos) return std::nullopt;
    return ReadNumber(plain + rest);
}

std::optional<double> ReadNumber(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    std::string number = text.substr(begin, end - begin);

    // Check the shape first: from_chars alone would accept "inf", "nan" and hex forms.
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i]))) ++i, ++digits;
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])))
            ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != number.size()) return std::nullopt;

    const char* first = number.data();
    if (*first == '+') ++first;
    double value = 0;
    auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) return std::nullopt;
    if (ec != std::errc() || ptr != number.data() + number.size()) return std::nullopt;
    return value;
}

}  // namespace xal
