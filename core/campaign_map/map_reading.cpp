// SPDX-License-Identifier: MIT
#include "core/campaign_map/map_reading.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/base/conversions.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

double Distance(const MapPoint& a, const MapPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The nearest of the candidates that `wanted` accepts, else the nearest of all of them.
std::optional<std::size_t> Nearest(const MapLayout& layout, std::size_t from,
                                   const std::vector<std::size_t>& candidates,
                                   bool (*wanted)(const MapPoint& from, const MapPoint& to)) {
    std::optional<std::size_t> best, bestWanted;
    double distance = std::numeric_limits<double>::infinity(), distanceWanted = distance;
    const MapPoint& here = layout.nodes[from].centre;
    for (std::size_t to : candidates) {
        const MapPoint& there = layout.nodes[to].centre;
        const double d = Distance(here, there);
        if (d < distance) distance = d, best = to;
        if (wanted(here, there) && d < distanceWanted) distanceWanted = d, bestWanted = to;
    }
    return bestWanted ? bestWanted : best;
}

// "scenario 4", "END", "77, which names no scenario".
std::string TargetName(const MapNode& node) {
    switch (node.kind) {
        case MapNode::Kind::End:
            return "END";
        case MapNode::Kind::Dangling:
            return DecimalText(node.number) + ", which names no scenario";
        default:
            return "scenario " + DecimalText(node.number);
    }
}

std::string Capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

std::optional<std::size_t> NextBox(const CampaignGraph& graph, const MapLayout& layout,
                                   std::size_t from, MapStep step) {
    std::vector<std::size_t> candidates;
    if (step == MapStep::Up || step == MapStep::Down) {
        for (const MapEdge& edge : graph.edges) {
            if (step == MapStep::Down && edge.from == from && edge.to != from)
                candidates.push_back(edge.to);
            if (step == MapStep::Up && edge.to == from && edge.from != from)
                candidates.push_back(edge.from);
        }
        return Nearest(
            layout, from, candidates,
            step == MapStep::Down
                ? +[](const MapPoint& a, const MapPoint& b) { return b.y > a.y; }
                : +[](const MapPoint& a, const MapPoint& b) { return b.y < a.y; });
    }
    const NodePlace& here = layout.nodes[from];
    for (std::size_t to = 0; to < layout.nodes.size(); ++to) {
        const MapPoint& there = layout.nodes[to].centre;
        const bool sameRank = std::abs(there.y - here.centre.y) <= here.height / 2;
        const bool onSide =
            step == MapStep::Left ? there.x < here.centre.x : there.x > here.centre.x;
        if (to != from && sameRank && onSide) candidates.push_back(to);
    }
    return Nearest(layout, from, candidates, [](const MapPoint&, const MapPoint&) { return true; });
}

std::string BoxDescription(const CampaignGraph& graph, std::size_t node) {
    const MapNode& box = graph.nodes[node];
    if (box.kind == MapNode::Kind::End) return "END: the end of the campaign";
    if (box.kind == MapNode::Kind::Dangling)
        return "Go-to " + TargetName(box) + ". Marked red with a dashed border.";
    std::string text = "Scenario " + DecimalText(box.number) + ", " + box.name + ".";
    std::string ways;
    for (const MapEdge& edge : graph.edges) {
        if (edge.from != node) continue;
        ways += (ways.empty() ? " " : ". ") + Capitalised(OutcomeWordList(edge.outcomes)) +
                (edge.outcomes.size() == 1 ? " leads to " : " lead to ") +
                TargetName(graph.nodes[edge.to]);
    }
    text += ways.empty() ? "" : ways + ".";
    if (box.problem == Severity::Error) text += " Marked red: the check found an error.";
    if (box.problem == Severity::Warning) text += " Marked orange: the check found a warning.";
    return text;
}

}  // namespace xal
