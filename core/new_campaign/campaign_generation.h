// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/base/conversions.h"
#include "core/base/number_text.h"
#include "core/model/campaign.h"
#include "core/settings/settings.h"

namespace xal {

// The new-campaign wizard's values as its boxes hold them. The numeric texts are kept
// numeric and in range by the wizard; they may hold fractions.
struct NewCampaignInput {
    std::string CampaignNameText = "New";  // UTF-8; may end in ".cam", in any case
    std::string NrOfScenariosText = "10";  // 1 to 250
    std::string InfoText;                  // appended for a scenario's information file
    std::string WinText;                   // appended for the three victories' text files
    std::string LossText;                  // appended for the loss's text file
    std::string InitialMaxText = "1000";   // maximum prestige of the first scenario
    std::string IncMaxText = "1000";       // its rise from one scenario to the next
    std::string IncBVText = "1000";        // rewards above the scenario's maximum
    std::string IncVText = "750";
    std::string IncTVText = "500";
    std::string IncLText = "250";
    bool LossEndsCampaign = false;
    NumberFormat Format;  // how the numeric texts are written: the user's locale
};

// A whole campaign from the wizard's values: scenario file names from the campaign name,
// the settings' scenario file separator and a two-digit number; every scenario leads to
// the next, the last one ends the campaign. Its folder is the game folder's "scenario"
// folder, in whatever case the game spells it. A numeric text that does not read as a
// number raises the type mismatch (13). The name and the separators are UTF-8, as the
// campaign's file name is; a generated file name that a campaign file cannot store
// raises the invalid-argument error (5).
Campaign GenerateCampaign(const NewCampaignInput& input, const SettingsRecord& settings);

// The messages of every limit the campaign breaks, CR LF ended, with an empty line after
// each scenario from the first failing one on; empty when the campaign passes.
std::string CheckNewCampaign(const Campaign& campaign);

}  // namespace xal
