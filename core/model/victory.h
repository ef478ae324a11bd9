// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/base/conversions.h"
#include "core/model/campaign_limits.h"
#include "core/model/collection.h"

namespace xal {

// One outcome of a scenario: where the campaign goes next, the prestige awarded and
// the text and movie shown. OnEndGoTo 254 ends the campaign.
class Victory {
  public:
    static constexpr Byte EndOfCampaign = limits::kEndOfCampaign;

    Byte OnEndGoTo() const { return onEndGoTo_; }
    void SetOnEndGoTo(Byte value) { onEndGoTo_ = value; }
    Long Prestige() const { return prestige_; }
    void SetPrestige(Long value) { prestige_ = value; }
    const std::string& VictoryTXT() const { return victoryTXT_; }
    void SetVictoryTXT(const std::string& value) { victoryTXT_ = value; }
    const std::string& VictoryMOV() const { return victoryMOV_; }
    void SetVictoryMOV(const std::string& value) { victoryMOV_ = value; }

  private:
    Byte onEndGoTo_ = 0;
    Long prestige_ = 0;
    std::string victoryTXT_;
    std::string victoryMOV_;
};

// The four outcomes of a scenario: brilliant victory, victory, tactical victory, loss.
class Victories : public Collection<Victory> {
  public:
    Pointer Add(const std::string& victoryMOV, const std::string& victoryTXT, Long prestige,
                Byte onEndGoTo);
};

}  // namespace xal
