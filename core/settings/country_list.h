// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/model/campaign_limits.h"

namespace xal {

// The game's country list, "GUI97.txt" in its folder.
inline constexpr const char* kCountryListFile = "GUI97.txt";
inline constexpr int kCountryCount = limits::kCountries;

// The country names, country 1 first: the file's first twenty lines, each without its
// last character (the carriage return of its CR LF). The list stops early at the end of
// the file or at an empty line; a complete one has kCountryCount names.
std::vector<std::string> CountryNames(const std::string& contents);

}  // namespace xal
