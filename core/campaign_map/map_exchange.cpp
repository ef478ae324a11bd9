// SPDX-License-Identifier: MIT
#include "core/campaign_map/map_exchange.h"

#include <nlohmann/json.hpp>

#include "core/base/error.h"
#include "core/base/windows1252.h"

namespace xal {
namespace {

using nlohmann::json;

std::string CodePageText(const json& utf8) {
    const std::optional<std::string> text = windows1252::FromUtf8(utf8.get<std::string>());
    if (!text) Raise(ErrorNumber::TypeMismatch, "a name outside Windows-1252");
    return *text;
}

json Point(const MapPoint& point) {
    return {point.x, point.y};
}

MapPoint ReadPoint(const json& point) {
    return {point.at(0).get<double>(), point.at(1).get<double>()};
}

json OptionalPoint(const std::optional<MapPoint>& point) {
    return point ? Point(*point) : json(nullptr);
}

std::optional<MapPoint> ReadOptionalPoint(const json& point) {
    if (point.is_null()) return std::nullopt;
    return ReadPoint(point);
}

// Parses the text and reads it, a fault of either told as "Type mismatch".
template <typename Read>
auto ReadText(std::string_view text, const char* what, Read read) {
    try {
        return read(json::parse(text));
    } catch (const json::exception& error) {
        Raise(ErrorNumber::TypeMismatch,
              std::string("Not a campaign map's ") + what + ": " + error.what());
    }
}

}  // namespace

std::string GraphText(const CampaignGraph& graph) {
    json nodes = json::array();
    for (const MapNode& node : graph.nodes)
        nodes.push_back(
            {{"kind", static_cast<int>(node.kind)},
             {"number", node.number},
             {"name", windows1252::ToUtf8(node.name)},
             {"label", windows1252::ToUtf8(node.label)},
             {"id", node.id},
             {"problem", node.problem ? json(static_cast<int>(*node.problem)) : json(nullptr)}});
    json edges = json::array();
    for (const MapEdge& edge : graph.edges)
        edges.push_back({{"from", edge.from},
                         {"to", edge.to},
                         {"outcomes", edge.outcomes},
                         {"label", edge.label},
                         {"dangling", edge.dangling}});
    return json{{"nodes", nodes}, {"edges", edges}}.dump();
}

CampaignGraph ReadGraphText(std::string_view text) {
    return ReadText(text, "graph", [](const json& root) {
        CampaignGraph graph;
        for (const json& node : root.at("nodes")) {
            const int kind = node.at("kind").get<int>();
            if (kind < 0 || kind > static_cast<int>(MapNode::Kind::Dangling))
                Raise(ErrorNumber::TypeMismatch, "a node of no kind");
            const json& problem = node.at("problem");
            graph.nodes.push_back(
                {static_cast<MapNode::Kind>(kind), node.at("number").get<int>(),
                 CodePageText(node.at("name")), CodePageText(node.at("label")),
                 node.at("id").get<std::string>(),
                 problem.is_null() ? std::nullopt
                                   : std::optional(problem.get<int>() == 0 ? Severity::Error
                                                                           : Severity::Warning)});
        }
        for (const json& edge : root.at("edges")) {
            MapEdge read{edge.at("from").get<std::size_t>(), edge.at("to").get<std::size_t>(),
                         edge.at("outcomes").get<std::vector<int>>(),
                         edge.at("label").get<std::string>(), edge.at("dangling").get<bool>()};
            if (read.from >= graph.nodes.size() || read.to >= graph.nodes.size())
                Raise(ErrorNumber::TypeMismatch, "an edge between nodes that are not there");
            graph.edges.push_back(std::move(read));
        }
        return graph;
    });
}

std::string LayoutText(const MapLayout& layout) {
    json nodes = json::array();
    for (const NodePlace& node : layout.nodes)
        nodes.push_back({node.centre.x, node.centre.y, node.width, node.height});
    json edges = json::array();
    for (const EdgePlace& edge : layout.edges) {
        json curve = json::array();
        for (const MapPoint& point : edge.curve) curve.push_back(Point(point));
        edges.push_back({{"curve", curve},
                         {"tip", OptionalPoint(edge.arrowTip)},
                         {"label", OptionalPoint(edge.labelCentre)}});
    }
    return json{
        {"width", layout.width}, {"height", layout.height}, {"nodes", nodes}, {"edges", edges}}
        .dump();
}

MapLayout ReadLayoutText(std::string_view text) {
    return ReadText(text, "layout", [](const json& root) {
        MapLayout layout{root.at("width").get<double>(), root.at("height").get<double>(), {}, {}};
        for (const json& node : root.at("nodes"))
            layout.nodes.push_back({{node.at(0).get<double>(), node.at(1).get<double>()},
                                    node.at(2).get<double>(),
                                    node.at(3).get<double>()});
        for (const json& edge : root.at("edges")) {
            EdgePlace& place = layout.edges.emplace_back();
            for (const json& point : edge.at("curve")) place.curve.push_back(ReadPoint(point));
            place.arrowTip = ReadOptionalPoint(edge.at("tip"));
            place.labelCentre = ReadOptionalPoint(edge.at("label"));
        }
        return layout;
    });
}

}  // namespace xal
