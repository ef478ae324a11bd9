#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

// The exit status of xal-cam run in the folder with the arguments given; its standard
// error in `err`.
int RunTool(const test::TempFolder& folder, const std::string& arguments, std::string& err) {
    const std::string command = "cd '" + folder.Path().string() + "' && '" + XAL_CAM_PATH + "' " +
                                arguments + " >/dev/null 2>stderr.txt";
    const int raw = std::system(command.c_str());
    err = folder.Read("stderr.txt");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(XalCamMap, WritesThePictureTheNameAsks) {
    test::TempFolder folder;
    folder.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(4)));
    std::string err;
    ASSERT_EQ(RunTool(folder, "map camp1.cam -o camp1.svg", err), 0) << err;
    EXPECT_NE(folder.Read("camp1.svg").find("<svg"), std::string::npos);
    ASSERT_EQ(RunTool(folder, "map camp1.cam --output camp1.png", err), 0) << err;
    EXPECT_EQ(folder.Read("camp1.png").substr(0, 4), "\x89PNG");
    EXPECT_EQ(err, "");
}

TEST(XalCamMap, AMissingCampaignOrAnUnknownPictureTypeFails) {
    test::TempFolder folder;
    std::string err;
    EXPECT_EQ(RunTool(folder, "map missing.cam -o m.svg", err), 1);
    EXPECT_EQ(err, "error 53: File not found (missing.cam)\n");
    folder.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    EXPECT_EQ(RunTool(folder, "map camp1.cam -o camp1.gif", err), 1);
    EXPECT_EQ(err.rfind("error 52: ", 0), 0u) << err;
    EXPECT_EQ(RunTool(folder, "map camp1.cam", err), 2) << "the picture must be named";
}

}  // namespace
}  // namespace xal
