// SPDX-License-Identifier: MIT
#include "core/model/campaign_text.h"

#include "core/base/error.h"
#include "core/base/windows1252.h"

namespace xal {

std::string CampaignTextOfName(const std::string& name) {
    std::optional<std::string> text = windows1252::FromUtf8(name);
    if (!text)
        Raise(ErrorNumber::InvalidArgument,
              "\"" + name +
                  "\" holds characters that a campaign file cannot store; choose a name in "
                  "Latin letters (Windows-1252).");
    return *text;
}

std::string NameOfCampaignText(const std::string& text) {
    return windows1252::ToUtf8(text);
}

}  // namespace xal
