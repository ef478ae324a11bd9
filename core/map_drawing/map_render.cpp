// SPDX-License-Identifier: MIT
#include "core/map_drawing/map_render.h"

#include "core/base/error.h"
#include "core/campaign_map/map_picture.h"
#include "core/map_drawing/graphviz_graph.h"
#include "core/platform/file_system.h"

namespace xal {

std::string DrawCampaignMap(const CampaignGraph& graph, const std::string& format) {
    const map_graphviz::LaidOutGraph laidOut(graph);
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(map_graphviz::Context(), laidOut.Graph(), format.c_str(), &data, &length) !=
        0) {
        gvFreeRenderData(data);
        Raise(ErrorNumber::InvalidArgument,
              "Graphviz cannot draw " + format + " pictures: its renderer is not installed.");
    }
    std::string bytes(data, length);
    gvFreeRenderData(data);
    return bytes;
}

void RenderCampaignMap(const CampaignGraph& graph, const std::string& path) {
    platform::ReplaceFileContents(path, DrawCampaignMap(graph, MapPictureFormat(path)));
}

}  // namespace xal
