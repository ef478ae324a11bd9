#pragma once

#include <memory>

#include "model/campaign.h"
#include "settings/settings.h"

// modMain: the program's state for the whole run.
namespace xal::modMain {

// The one campaign every command works on. Open and the wizard replace it.
extern std::shared_ptr<Campaign> CurrentCampaign;

extern SettingsRecord Settings;

}  // namespace xal::modMain
