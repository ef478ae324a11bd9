// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

#include "core/model/campaign.h"

namespace xal {

// A campaign's values, held where no edit of the campaign reaches them. A snapshot taken
// `like` an earlier one shares that one's copies of the scenarios that are still the
// same, so a history of snapshots holds each version of a scenario once.
class CampaignSnapshot {
  public:
    explicit CampaignSnapshot(const Campaign& campaign, const CampaignSnapshot* like = nullptr);

    // A campaign of its own with the values held: it shares nothing with the snapshot.
    Campaign Restore() const;

    // Whether the campaign has the values held, in every field, scenario and outcome.
    bool Holds(const Campaign& campaign) const;

  private:
    Campaign fields_;  // the campaign's own values; its scenarios are in scenarios_
    std::vector<std::shared_ptr<const Scenario>> scenarios_;
};

}  // namespace xal
