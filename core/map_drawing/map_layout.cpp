// SPDX-License-Identifier: MIT
#include "core/map_drawing/map_layout.h"

#include "core/map_drawing/graphviz_graph.h"

namespace xal {
namespace {

constexpr double kPointsPerInch = 72;

}  // namespace

MapLayout LayOutCampaign(const CampaignGraph& graph) {
    const map_graphviz::LaidOutGraph laidOut(graph);
    const boxf box = GD_bb(laidOut.Graph());
    // Graphviz counts y upwards from the bottom.
    auto place = [&box](pointf p) { return MapPoint{p.x - box.LL.x, box.UR.y - p.y}; };

    MapLayout layout;
    layout.width = box.UR.x - box.LL.x;
    layout.height = box.UR.y - box.LL.y;
    for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
        Agnode_t* node = laidOut.Node(i);
        layout.nodes.push_back({place(ND_coord(node)), ND_width(node) * kPointsPerInch,
                                ND_height(node) * kPointsPerInch});
    }
    for (std::size_t i = 0; i < graph.edges.size(); ++i) {
        Agedge_t* edge = laidOut.Edge(i);
        EdgePlace& line = layout.edges.emplace_back();
        if (const splines* spline = ED_spl(edge)) {
            for (int b = 0; b < spline->size; ++b) {
                const bezier& piece = spline->list[b];
                if (piece.size == 0) continue;
                // Where lines merge, dot gives an edge pieces that stop just short of
                // each other; a straight line joins them.
                const MapPoint start = place(piece.list[0]);
                if (line.curve.empty())
                    line.curve.push_back(start);
                else if (line.curve.back() != start)
                    line.curve.insert(line.curve.end(), {line.curve.back(), start, start});
                for (int p = 1; p < piece.size; ++p) line.curve.push_back(place(piece.list[p]));
                if (piece.eflag) line.arrowTip = place(piece.ep);
            }
        }
        // A loop's label is its tail's (graphviz_graph.cpp).
        const textlabel_t* label = ED_xlabel(edge) ? ED_xlabel(edge) : ED_tail_label(edge);
        if (label && label->set) line.labelCentre = place(label->pos);
    }
    return layout;
}

}  // namespace xal
