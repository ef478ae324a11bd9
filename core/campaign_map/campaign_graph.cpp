// SPDX-License-Identifier: MIT
#include "core/campaign_map/campaign_graph.h"

#include <algorithm>
#include <map>

#include "core/base/conversions.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

std::optional<Severity> Worse(std::optional<Severity> shown, Severity found) {
    return shown == Severity::Error ? shown : found;
}

// The go-to values of a scenario's outcomes, at most four.
std::vector<Byte> GoTosOf(const Scenario& scenario) {
    std::vector<Byte> goTos;
    for (const auto& outcome : *scenario.Victories()) {
        if (goTos.size() == kOutcomeCount) break;
        goTos.push_back(outcome->OnEndGoTo());
    }
    return goTos;
}

}  // namespace

CampaignGraph MapOfCampaign(const Campaign& campaign, const std::vector<Finding>& findings) {
    CampaignGraph graph;
    std::vector<std::vector<Byte>> goTos;
    for (const auto& scenario : *campaign.Scenarios()) {
        const int nr = static_cast<int>(graph.nodes.size());
        const std::string number = DecimalText(nr);
        graph.nodes.push_back({MapNode::Kind::Scenario,
                               nr,
                               scenario->ScenarioName(),
                               number + "\n" + scenario->ScenarioName(),
                               "s" + number,
                               {}});
        goTos.push_back(GoTosOf(*scenario));
    }
    const std::size_t scenarioCount = graph.nodes.size();
    for (const Finding& finding : findings) {
        if (finding.scenario && *finding.scenario >= 0 &&
            static_cast<std::size_t>(*finding.scenario) < scenarioCount) {
            MapNode& node = graph.nodes[static_cast<std::size_t>(*finding.scenario)];
            node.problem = Worse(node.problem, finding.severity);
        }
    }

    // Each scenario whose outcomes end the campaign has an END box of its own, which stands
    // below it: one END box for all would draw lines from all over the map to one place.
    std::vector<std::size_t> endOf(scenarioCount);
    for (std::size_t nr = 0; nr < scenarioCount; ++nr) {
        if (std::ranges::find(goTos[nr], Victory::EndOfCampaign) == goTos[nr].end()) continue;
        endOf[nr] = graph.nodes.size();
        graph.nodes.push_back({MapNode::Kind::End,
                               Victory::EndOfCampaign,
                               {},
                               "END/SCORE",
                               "end" + DecimalText(static_cast<int>(nr)),
                               {}});
    }
    std::map<Byte, std::size_t> dangling;
    for (const auto& links : goTos)
        for (Byte goTo : links)
            if (goTo != Victory::EndOfCampaign && goTo >= scenarioCount) dangling[goTo] = 0;
    for (auto& [goTo, position] : dangling) {
        position = graph.nodes.size();
        const std::string number = DecimalText(goTo);
        graph.nodes.push_back(
            {MapNode::Kind::Dangling, goTo, {}, number + "\n(no scenario)", "x" + number, {}});
    }

    for (std::size_t from = 0; from < scenarioCount; ++from) {
        const std::size_t firstEdge = graph.edges.size();
        for (int k = 0; k < static_cast<int>(goTos[from].size()); ++k) {
            const Byte goTo = goTos[from][static_cast<std::size_t>(k)];
            const bool isDangling = dangling.contains(goTo);
            const std::size_t to = goTo == Victory::EndOfCampaign ? endOf[from]
                                   : isDangling                   ? dangling.at(goTo)
                                                                  : goTo;
            auto shared = graph.edges.begin() + static_cast<long>(firstEdge);
            while (shared != graph.edges.end() && shared->to != to) ++shared;
            if (shared == graph.edges.end()) {
                graph.edges.push_back({from, to, {}, {}, isDangling});
                shared = graph.edges.end() - 1;
            }
            shared->outcomes.push_back(k);
            shared->label +=
                (shared->label.empty() ? "" : ", ") + std::string(kOutcomes[k].shortName);
        }
    }
    return graph;
}

}  // namespace xal
