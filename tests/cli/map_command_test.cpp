// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

TEST(XalCamMap, WritesThePictureOfACampaignItCanReadInAFolderNamedInAnyBytes) {
    test::TempFolder folder;
    folder.Write("fold\xe9r/camp1.cam", BuildCampaignFile(test::DistinctCampaign(4)));
    const std::string tool = "cd '" + folder.Path().string() + "' && '" XAL_CAM_PATH "' map ";
    EXPECT_EQ(std::system((tool + "'fold\xe9r/camp1.cam' -o 'fold\xe9r/camp1.svg'").c_str()), 0);
    EXPECT_NE(folder.Read("fold\xe9r/camp1.svg").find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace xal
