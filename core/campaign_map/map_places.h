// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

namespace xal {

// A place on the map in points (1/72 inch), from the top left corner, y growing downwards.
struct MapPoint {
    double x = 0;
    double y = 0;

    bool operator==(const MapPoint&) const = default;
};

// A node's box: its centre and size.
struct NodePlace {
    MapPoint centre;
    double width = 0;
    double height = 0;

    bool operator==(const NodePlace&) const = default;
};

// An edge's line: a cubic Bézier curve given as its start and then three points for each
// piece (two control points and the piece's end). The arrowhead runs from the curve's end
// to its tip. Where the edge merges into another's line, it ends without one.
struct EdgePlace {
    std::vector<MapPoint> curve;
    std::optional<MapPoint> arrowTip;
    std::optional<MapPoint> labelCentre;

    bool operator==(const EdgePlace&) const = default;
};

// Where the layout puts the map's nodes and edges, in the graph's order; everything lies
// within width by height.
struct MapLayout {
    double width = 0;
    double height = 0;
    std::vector<NodePlace> nodes;
    std::vector<EdgePlace> edges;

    bool operator==(const MapLayout&) const = default;
};

}  // namespace xal
