// SPDX-License-Identifier: MIT
#include "core/model/editing_rules.h"

#include "core/model/campaign_limits.h"

namespace xal {

bool FitsFileNameField(const std::string& campaignText) {
    return campaignText.size() <= limits::kFileNameField;
}

std::optional<Long> ReadPrestige(const std::string& text, const NumberFormat& format) {
    const std::optional<double> number = ReadNumber(text, format);
    if (!number || *number < 0 || *number > limits::kEditorPrestige) return std::nullopt;
    return ToLong(*number);
}

}  // namespace xal
