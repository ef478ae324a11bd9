// SPDX-License-Identifier: MIT
#include "core/map_drawing/graphviz_graph.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "core/base/error.h"
#include "core/base/windows1252.h"
#include "core/campaign_map/map_style.h"
#include "core/model/campaign_limits.h"

#ifdef XAL_GRAPHVIZ_STATIC_PLUGINS
#include <graphviz/gvplugin.h>

// A static Graphviz loads no plugins: the dot layout and the core renderers are built in,
// and on Linux the pango plugin, whose pango measures the labels and whose cairo draws PNG.
extern "C" gvplugin_library_t gvplugin_dot_layout_LTX_library;
extern "C" gvplugin_library_t gvplugin_core_LTX_library;
#ifdef XAL_GRAPHVIZ_PANGO_PLUGIN
extern "C" gvplugin_library_t gvplugin_pango_LTX_library;
#endif
#endif

namespace xal::map_graphviz {
namespace {

using map_style::kErrorHue;
using map_style::kWarningHue;
// The pale fills of the warning and error hues.
constexpr const char* kWarningFill = "#fde3cc";
constexpr const char* kErrorFill = "#f8dadd";

// Graphviz takes its strings as char* and copies them.
char* C(const char* text) {
    return const_cast<char*>(text);
}
char* C(const std::string& text) {
    return const_cast<char*>(text.c_str());
}

void Set(void* object, const char* name, const std::string& value) {
    agsafeset(object, C(name), C(value), C(""));
}

// A label in Graphviz's escapes: a backslash stands for itself, lines end in "\n".
std::string GraphvizLabel(const std::string& label) {
    std::string escaped;
    for (char c : windows1252::ToUtf8(label)) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

void Declare(Agraph_t* graph, std::size_t scenarios, std::size_t arrows) {
    // Top to bottom reads a long chain of scenarios best. Outcomes from many scenarios to
    // one box merge into one line: drawn apart they would run side by side all the way
    // down, and cost dot many times the time. Their labels stand beside the lines rather
    // than in ranks of their own, for the same reasons.
    agattr(graph, AGRAPH, C("rankdir"), C("TB"));
    agattr(graph, AGRAPH, C("concentrate"), C("true"));
    // Dot's refinements take time that grows with the links that jump far up or down the
    // map, and the map follows every edit: crossings are reduced in two passes (mclimit;
    // 24 by default), the boxes are placed in at most one step of the network simplex per
    // box (nslimit), and lines bend at the boxes rather than curve around them (splines).
    // Lines are routed around the boxes while a map has at most two arrows per scenario
    // and no more scenarios than a file holds: a campaign's branches. More of them, which
    // jump far up and down the map, are drawn straight: routing them took most of the
    // layout's time (random links among 50 scenarios: 150 ms with dot's defaults, 60 ms
    // routed, 25 ms straight; a wizard's 250 would take seconds routed).
    agattr(graph, AGRAPH, C("mclimit"), C("0.1"));
    agattr(graph, AGRAPH, C("nslimit"), C("1"));
    const bool routed = scenarios <= limits::kFileScenarios && arrows <= 2 * scenarios;
    agattr(graph, AGRAPH, C("splines"), C(routed ? "polyline" : "line"));
    agattr(graph, AGRAPH, C("bgcolor"), C("white"));
    agattr(graph, AGRAPH, C("nodesep"), C("0.3"));
    agattr(graph, AGRAPH, C("ranksep"), C("0.3"));
    agattr(graph, AGRAPH, C("fontname"), C("sans-serif"));
    for (int kind : {AGNODE, AGEDGE}) {
        agattr(graph, kind, C("fontname"), C("sans-serif"));
        agattr(graph, kind, C("fontsize"),
               C(std::to_string(kind == AGNODE ? map_style::kNodeFontPoints
                                               : map_style::kLabelFontPoints)));
        agattr(graph, kind, C("color"), C("black"));
        agattr(graph, kind, C("fontcolor"), C("black"));
        agattr(graph, kind, C("style"), C(kind == AGNODE ? "rounded,filled" : "solid"));
    }
    agattr(graph, AGNODE, C("shape"), C("box"));
    agattr(graph, AGNODE, C("fillcolor"), C("white"));
    agattr(graph, AGNODE, C("peripheries"), C("1"));
    agattr(graph, AGNODE, C("margin"), C("0.1,0.04"));
    agattr(graph, AGEDGE, C("arrowsize"), C("0.7"));
}

void MarkNode(Agnode_t* node, const MapNode& mapNode) {
    if (mapNode.kind == MapNode::Kind::End) {
        Set(node, "peripheries", "2");
    } else if (mapNode.kind == MapNode::Kind::Dangling) {
        Set(node, "style", "rounded,dashed,filled");
        Set(node, "color", kErrorHue);
        Set(node, "fontcolor", kErrorHue);
    } else if (mapNode.problem) {
        const bool error = *mapNode.problem == Severity::Error;
        Set(node, "color", error ? kErrorHue : kWarningHue);
        Set(node, "fillcolor", error ? kErrorFill : kWarningFill);
        Set(node, "penwidth", "2");
    }
}

}  // namespace

GVC_t* Context() {
    static GVC_t* const context = [] {
        // Graphviz prints no messages of its own: a failure is told as the program's
        // error, which they would stand before.
        agseterr(AGMAX);
#ifdef XAL_GRAPHVIZ_STATIC_PLUGINS
        // Given to the context as it is made, as libtool would preload them, so that it
        // chooses its text layout among them.
        static const lt_symlist_t builtIn[] = {
            {"gvplugin_dot_layout_LTX_library", &gvplugin_dot_layout_LTX_library},
            {"gvplugin_core_LTX_library", &gvplugin_core_LTX_library},
#ifdef XAL_GRAPHVIZ_PANGO_PLUGIN
            {"gvplugin_pango_LTX_library", &gvplugin_pango_LTX_library},
#endif
            {nullptr, nullptr}};
        return gvContextPlugins(builtIn, 0);
#else
        return gvContext();
#endif
    }();
    return context;
}

MapGraph::MapGraph(const CampaignGraph& graph) {
    graph_ = agopen(C("campaign"), Agdirected, nullptr);
    Declare(graph_,
            static_cast<std::size_t>(
                std::ranges::count(graph.nodes, MapNode::Kind::Scenario, &MapNode::kind)),
            graph.edges.size());
    for (const MapNode& mapNode : graph.nodes) {
        Agnode_t* node = agnode(graph_, C(mapNode.id), 1);
        Set(node, "label", GraphvizLabel(mapNode.label));
        MarkNode(node, mapNode);
        nodes_.push_back(node);
    }
    std::set<std::pair<std::size_t, std::size_t>> links;
    for (const MapEdge& mapEdge : graph.edges) links.insert({mapEdge.from, mapEdge.to});
    for (const MapEdge& mapEdge : graph.edges) {
        Agedge_t* edge = agedge(graph_, nodes_[mapEdge.from], nodes_[mapEdge.to], nullptr, 1);
        // A no-break space either side keeps the label off the line it stands beside. A
        // loop's label stands where the loop leaves its box: dot would put an xlabel on the
        // loop's bend, across the line.
        Set(edge, mapEdge.from == mapEdge.to ? "taillabel" : "xlabel",
            GraphvizLabel("\xa0" + mapEdge.label + "\xa0"));
        // Merged, the two ways between two scenarios would be one line with an arrow at
        // either end and a label lost; the way back leaves and enters at the boxes' sides.
        if (mapEdge.from > mapEdge.to && links.contains({mapEdge.to, mapEdge.from})) {
            Set(edge, "tailport", "e");
            Set(edge, "headport", "e");
        }
        // The chain of scenarios runs straight down: an arrow to the next scenario weighs
        // twice the others, so that the END boxes and the branches step aside.
        if (mapEdge.to == mapEdge.from + 1 &&
            graph.nodes[mapEdge.to].kind == MapNode::Kind::Scenario)
            Set(edge, "weight", "2");
        if (mapEdge.dangling) {
            Set(edge, "style", "dashed");
            Set(edge, "color", kErrorHue);
            Set(edge, "fontcolor", kErrorHue);
        }
        edges_.push_back(edge);
    }
}

MapGraph::~MapGraph() {
    agclose(graph_);
}

LaidOutGraph::LaidOutGraph(const CampaignGraph& graph) : MapGraph(graph) {
    if (gvLayout(Context(), Graph(), "dot") != 0)
        Raise(ErrorNumber::InvalidArgument,
              "Graphviz cannot lay out the campaign map: its dot layout is not installed.");
}

LaidOutGraph::~LaidOutGraph() {
    gvFreeLayout(Context(), Graph());
}

}  // namespace xal::map_graphviz
