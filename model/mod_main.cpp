#include "model/mod_main.h"

namespace xal::modMain {

std::shared_ptr<Campaign> CurrentCampaign = std::make_shared<Campaign>();
SettingsRecord Settings;

}  // namespace xal::modMain
