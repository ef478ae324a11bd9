// SPDX-License-Identifier: MIT
#pragma once

#include <graphviz/gvc.h>

#include <vector>

#include "core/campaign_map/campaign_graph.h"

namespace xal::map_graphviz {

// The process's one Graphviz context, with the plugins installed on the system. Graphviz
// is not thread-safe: the map is laid out and drawn on one thread only.
GVC_t* Context();

// A campaign map as a Graphviz graph with the attributes dot lays it out by: its nodes and
// edges in the order of the map's own. The graph is freed with it.
class MapGraph {
  public:
    explicit MapGraph(const CampaignGraph& graph);
    ~MapGraph();
    MapGraph(const MapGraph&) = delete;
    MapGraph& operator=(const MapGraph&) = delete;

    Agraph_t* Graph() const { return graph_; }
    Agnode_t* Node(std::size_t position) const { return nodes_[position]; }
    Agedge_t* Edge(std::size_t position) const { return edges_[position]; }

  private:
    Agraph_t* graph_ = nullptr;
    std::vector<Agnode_t*> nodes_;
    std::vector<Agedge_t*> edges_;
};

// The map's graph laid out by dot; the layout is freed with it.
class LaidOutGraph : public MapGraph {
  public:
    explicit LaidOutGraph(const CampaignGraph& graph);
    ~LaidOutGraph();
};

}  // namespace xal::map_graphviz
