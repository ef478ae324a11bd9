// SPDX-License-Identifier: MIT
#pragma once

#include <graphviz/gvc.h>

#include <vector>

#include "core/campaign_map/campaign_graph.h"

namespace xal::map_graphviz {

// The process's one Graphviz context, with the plugins installed on the system. Graphviz
// is not thread-safe: the map is laid out and drawn on one thread only.
GVC_t* Context();

// A campaign map as a Graphviz graph, laid out by dot: its nodes and edges in the order of
// the map's own. The graph and its layout are freed with it.
class LaidOutGraph {
  public:
    explicit LaidOutGraph(const CampaignGraph& graph);
    ~LaidOutGraph();
    LaidOutGraph(const LaidOutGraph&) = delete;
    LaidOutGraph& operator=(const LaidOutGraph&) = delete;

    Agraph_t* Graph() const { return graph_; }
    Agnode_t* Node(std::size_t position) const { return nodes_[position]; }
    Agedge_t* Edge(std::size_t position) const { return edges_[position]; }

  private:
    Agraph_t* graph_ = nullptr;
    std::vector<Agnode_t*> nodes_;
    std::vector<Agedge_t*> edges_;
};

}  // namespace xal::map_graphviz
