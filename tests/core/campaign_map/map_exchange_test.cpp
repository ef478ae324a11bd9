// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_exchange.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

TEST(MapExchange, GraphAndLayoutComeBackAsTheyWereSent) {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.ScenarioAt(1)->SetScenarioName("\xe9t\xe9\x80.scn");
    test::SetLinks(campaign, {{1, 1, 2, 254}, {2, 2, 2, 77}, {254, 254, 254, 254}});
    const CampaignGraph graph =
        MapOfCampaign(campaign, {{Severity::Error, 0, {}, "x"}, {Severity::Warning, 1, {}, "y"}});
    EXPECT_EQ(ReadGraphText(GraphText(graph)), graph);

    const MapLayout layout{120.5,
                           80,
                           {{{1.25, 2}, 30, 20}, {{5, 6}, 30, 20}},
                           {{{{1, 2}, {3, 4}}, MapPoint{5, 6}, {}}}};
    EXPECT_EQ(ReadLayoutText(LayoutText(layout)), layout);
}

TEST(MapExchange, WhatIsNotAGraphOrALayoutIsATypeMismatch) {
    const std::string graphs[] = {
        "",
        "{",
        "[]",
        R"({"nodes": [], "edges": [{"from": 0, "to": 0}]})",
        R"({"nodes": [], "edges": [{"from": 0, "to": 0, "outcomes": [0], "label": "", "dangling": false}]})",
        R"({"nodes": [{"kind": 7, "number": 0, "name": "", "label": "", "id": "", "problem": null}], "edges": []})",
        R"({"nodes": [{"kind": 0, "number": 0, "name": "\u0416", "label": "", "id": "", "problem": null}], "edges": []})"};
    for (const std::string& text : graphs)
        EXPECT_EQ(test::ErrorOf([&] { ReadGraphText(text); }), 13) << text;
    EXPECT_EQ(test::ErrorOf([] {
                  ReadLayoutText(R"({"width": 1, "height": 1, "nodes": [[1]], "edges": []})");
              }),
              13);
}

}  // namespace
}  // namespace xal
