// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "core/model/scenario.h"

namespace xal {

// The in-memory campaign: its own settings and its scenarios. A plain holder of
// values; the commands keep NrOfScenarios in step with the collection.
class Campaign {
  public:
    const std::shared_ptr<xal::Scenarios>& Scenarios() const { return scenarios_; }
    void SetScenarios(std::shared_ptr<xal::Scenarios> value) { scenarios_ = std::move(value); }
    Byte NrOfScenarios() const { return nrOfScenarios_; }
    void SetNrOfScenarios(Byte value) { nrOfScenarios_ = value; }
    Byte Country() const { return country_; }
    void SetCountry(Byte value) { country_ = value; }
    Long Prestige() const { return prestige_; }
    void SetPrestige(Long value) { prestige_ = value; }
    const std::string& CampaignName() const { return campaignName_; }
    void SetCampaignName(const std::string& value) { campaignName_ = value; }
    // The campaign file's name without its ending, and its folder, ending with the path
    // separator: UTF-8, as every path of the program is.
    const std::string& CampaignFolder() const { return campaignFolder_; }
    void SetCampaignFolder(const std::string& value) { campaignFolder_ = value; }
    // The whole path of the file the campaign was read from or last saved to, as it was
    // spelled ("CAMP1.CAM" stays so); empty for a campaign that has no file yet.
    const std::string& CampaignFile() const { return campaignFile_; }
    void SetCampaignFile(const std::string& value) { campaignFile_ = value; }
    const std::string& CampaignTXT() const { return campaignTXT_; }
    void SetCampaignTXT(const std::string& value) { campaignTXT_ = value; }
    const std::string& DefeatMOV() const { return defeatMOV_; }
    void SetDefeatMOV(const std::string& value) { defeatMOV_ = value; }
    const std::string& VictoryMOV() const { return victoryMOV_; }
    void SetVictoryMOV(const std::string& value) { victoryMOV_ = value; }

    // The scenario at a 0-based position (item position + 1).
    std::shared_ptr<Scenario> ScenarioAt(Byte scenarioNr) const {
        return scenarios_->Item(static_cast<long>(scenarioNr) + 1);
    }

  private:
    std::shared_ptr<xal::Scenarios> scenarios_ = std::make_shared<xal::Scenarios>();
    Byte nrOfScenarios_ = 0;
    Byte country_ = 0;
    Long prestige_ = 0;
    std::string campaignName_;
    std::string campaignFolder_;
    std::string campaignFile_;
    std::string campaignTXT_;
    std::string defeatMOV_;
    std::string victoryMOV_;
};

}  // namespace xal
