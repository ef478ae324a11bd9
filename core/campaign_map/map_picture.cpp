// SPDX-License-Identifier: MIT
#include "core/campaign_map/map_picture.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/base/error.h"

namespace xal {

std::string MapPictureFormat(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".svg" || extension == ".png") return extension.substr(1);
    Raise(ErrorNumber::BadFileName,
          "A campaign map is written as .svg or .png, not as \"" + path + "\"");
}

}  // namespace xal
