// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal {

// The format of a map's picture named so: "svg" or "png" as the name ends in ".svg" or
// ".png", in any case. Any other name raises "Bad file name or number" (52).
std::string MapPictureFormat(const std::string& path);

}  // namespace xal
