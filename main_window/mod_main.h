// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "campaign_document/campaign_document.h"
#include "model/campaign.h"
#include "settings/settings.h"

// modMain: the program's state for the whole run.
namespace xal::modMain {

// The campaign being edited, with its undo history. Open and the wizard replace its
// campaign.
extern CampaignDocument Document;

// The one campaign every command works on: the document's.
inline const std::shared_ptr<Campaign>& CurrentCampaign() {
    return Document.Campaign();
}

extern SettingsRecord Settings;

}  // namespace xal::modMain
