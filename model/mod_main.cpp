#include "model/mod_main.h"

namespace xal::modMain {

CampaignDocument Document;
SettingsRecord Settings;

}  // namespace xal::modMain
