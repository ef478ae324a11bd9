// SPDX-License-Identifier: MIT
#include "core/map_drawing/map_render.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/base/error.h"
#include "core/map_drawing/graphviz_graph.h"
#include "core/platform/file_system.h"

namespace xal {
namespace {

// The Graphviz output format of a file name.
std::string FormatOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".svg" || extension == ".png") return extension.substr(1);
    Raise(ErrorNumber::BadFileName,
          "A campaign map is written as .svg or .png, not as \"" + path + "\"");
}

}  // namespace

void RenderCampaignMap(const CampaignGraph& graph, const std::string& path) {
    const std::string format = FormatOf(path);
    const map_graphviz::LaidOutGraph laidOut(graph);
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(map_graphviz::Context(), laidOut.Graph(), format.c_str(), &data, &length) !=
        0) {
        gvFreeRenderData(data);
        Raise(ErrorNumber::InvalidArgument,
              "Graphviz cannot draw " + format + " pictures: its renderer is not installed.");
    }
    const std::string bytes(data, length);
    gvFreeRenderData(data);
    platform::ReplaceFileContents(path, bytes);
}

}  // namespace xal
