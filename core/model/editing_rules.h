// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/base/conversions.h"
#include "core/base/number_text.h"

namespace xal {

// The rules by which the editor and xal-cam accept what is typed or given.

// Whether a file name as a campaign stores it (Windows-1252 bytes) fits a campaign
// file's file name field.
bool FitsFileNameField(const std::string& campaignText);

// A prestige text read as `format` writes numbers: a number that lies from 0 to the
// editor's most prestige, then rounded (halves to even); nothing for any other text, so
// neither -0.4 nor 65000.4.
std::optional<Long> ReadPrestige(const std::string& text, const NumberFormat& format);

}  // namespace xal
