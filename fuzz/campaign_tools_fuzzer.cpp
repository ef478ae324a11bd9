// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes along a campaign's way through the tools: read as a campaign file,
// then checked, drawn as the map's graph and written as the report, its country named
// from the same bytes read as the country list. A campaign that reads must pass every
// step without a failure, and the map must mark every scenario the check finds at fault.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/base/error.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/model/outcomes.h"
#include "core/report/campaign_report.h"
#include "core/settings/country_list.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

// A full-length file of 50 scenarios, each leading to the next and the last to the end,
// to lay short inputs over, so that they reach the scenario records and not only the
// header.
const std::string& BaseFile() {
    static const std::string base = [] {
        constexpr int kScenarios = 50;
        xal::Campaign campaign;
        campaign.SetNrOfScenarios(kScenarios);
        for (int i = 0; i < kScenarios; ++i) {
            auto scenario =
                campaign.Scenarios()->Add("s.scn", static_cast<xal::Byte>(i), "", "", i, 150);
            const int next = i + 1 < kScenarios ? i + 1 : xal::Victory::EndOfCampaign;
            for (int j = 0; j < xal::kOutcomeCount; ++j)
                scenario->Victories()->Add("m.mov", "t.txt", j, static_cast<xal::Byte>(next));
        }
        return xal::BuildCampaignFile(campaign);
    }();
    return base;
}

void FollowThroughTheTools(const std::string& contents) {
    xal::Campaign campaign;
    try {
        xal::ParseCampaign(contents, campaign);
    } catch (const xal::RunTimeError&) {
        return;  // not a campaign: refused with an error, nothing more
    }
    const std::vector<xal::Finding> findings = xal::CheckCampaign(campaign);
    const xal::CampaignGraph graph = xal::MapOfCampaign(campaign, findings);
    std::size_t outcomes = 0;
    for (const xal::MapEdge& edge : graph.edges) {
        Require(edge.from < graph.nodes.size() && edge.to < graph.nodes.size());
        if (edge.dangling) Require(graph.nodes[edge.from].problem == xal::Severity::Error);
        outcomes += edge.outcomes.size();
    }
    Require(outcomes == 4u * campaign.NrOfScenarios());

    const std::vector<std::string> countries = xal::CountryNames(contents);
    Require(countries.size() <= static_cast<std::size_t>(xal::kCountryCount));
    const std::size_t country = campaign.Country();
    const std::string report = xal::CampaignReportText(
        campaign, country >= 1 && country <= countries.size() ? countries[country - 1] : "");
    Require(report.ends_with(std::string(80, '=') + "\r\n"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    FollowThroughTheTools(input);
    if (size < BaseFile().size()) FollowThroughTheTools(input + BaseFile().substr(size));
    return 0;
}
