// SPDX-License-Identifier: MIT
// The editor's map layout program: reads a campaign map's graph on its standard input and
// writes, on its standard output, where Graphviz's dot puts its boxes and arrows, or with
// "--draw svg" or "--draw png" the map drawn as that picture. The editor runs it for
// each layout, so that a layout an edit has made stale can be stopped at once and
// Graphviz's memory goes with it. It starts the program before it has a graph to give:
// Graphviz and the fonts it measures labels with are made ready before the graph is read.
// A failure is told on standard error, and the exit status is 1.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "core/base/error.h"
#include "core/campaign_map/map_exchange.h"
#include "core/map_drawing/map_layout.h"
#include "core/map_drawing/map_render.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::string draw = argc == 3 && std::string(argv[1]) == "--draw" ? argv[2] : "";
    if (argc != 1 && draw.empty()) {
        std::cerr << "Usage: xal-map-layout [--draw svg|png] <GRAPH\n";
        return 2;
    }
    try {
        if (draw.empty()) {
            xal::CampaignGraph ready;
            ready.nodes.push_back({xal::MapNode::Kind::Scenario, 0, "", "0", "s0", std::nullopt});
            xal::LayOutCampaign(ready);
        }
        const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
        const xal::CampaignGraph graph = xal::ReadGraphText(input);
        const std::string output = draw.empty() ? xal::LayoutText(xal::LayOutCampaign(graph))
                                                : xal::DrawCampaignMap(graph, draw);
        std::cout.write(output.data(), static_cast<std::streamsize>(output.size()));
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const xal::RunTimeError& error) {
        std::cerr << error.Report() << '\n';
    } catch (const std::exception& error) {
        std::cerr << xal::RunTimeError(xal::ErrorNumber::InternalError, error.what()).Report()
                  << '\n';
    }
    return 1;
}
