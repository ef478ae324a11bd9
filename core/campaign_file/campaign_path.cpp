// SPDX-License-Identifier: MIT
#include "core/campaign_file/campaign_path.h"

#include "core/platform/file_system.h"

namespace xal {

CampaignPlace CampaignPlaceOf(const std::string& path) {
    const std::filesystem::path native = platform::FsPath(path).make_preferred();
    const std::string whole = platform::FromFsPath(native);
    const std::string file = platform::FromFsPath(native.filename());
    return {file.size() > 4 ? file.substr(0, file.size() - 4) : std::string(),
            whole.substr(0, whole.size() - file.size())};
}

std::string CampaignsFolder(const std::string& gameFolder) {
    return platform::FileInFolder(gameFolder, "scenario") + platform::PathSeparator();
}

}  // namespace xal
