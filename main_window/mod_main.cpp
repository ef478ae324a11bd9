// SPDX-License-Identifier: MIT
#include "main_window/mod_main.h"

namespace xal::modMain {

CampaignDocument Document;
SettingsRecord Settings;

}  // namespace xal::modMain
