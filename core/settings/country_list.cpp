// SPDX-License-Identifier: MIT
#include "core/settings/country_list.h"

namespace xal {

std::vector<std::string> CountryNames(const std::string& contents) {
    std::vector<std::string> names;
    std::size_t p = 0;  // the position after the previous line feed
    for (int k = 1; k <= kCountryCount; ++k) {
        const std::size_t q = contents.find('\n', p);
        if (q == std::string::npos || q < p + 1) break;
        names.push_back(contents.substr(p, q - p - 1));
        p = q + 1;
    }
    return names;
}

}  // namespace xal
