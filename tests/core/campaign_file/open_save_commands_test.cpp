// SPDX-License-Identifier: MIT
#include "core/campaign_file/open_save_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace xal::gui {
namespace {

using platform::MessageAnswer;
using test::StoredPrestige;

// Where the picker starts is checked through the main window, which chooses it.
class OpenSaveCommandsTest : public ::testing::Test {
  protected:
    // Writes a campaign file of two scenarios and opens it.
    std::shared_ptr<Campaign> Opened(const std::string& name) {
        folder.Write(name, BuildCampaignFile(test::DistinctCampaign(2)));
        return OpenCampaignFile(folder.File(name));
    }

    test::TempFolder folder;
    test::ScriptedPrompts prompts;
};

TEST_F(OpenSaveCommandsTest, AnOpenedCampaignIsPlacedByItsPathAndAFailedOpenIsTold) {
    const std::shared_ptr<Campaign> opened = Opened("camp1.cam");
    EXPECT_EQ(opened->CampaignName(), "camp1");
    EXPECT_EQ(opened->CampaignFolder(), folder.File(""));
    EXPECT_EQ(opened->CampaignFile(), folder.File("camp1.cam"));

    folder.Write("short.cam", std::string(500, '\x03'));
    prompts.ExpectFilePick("Open campaign file", folder.File("short.cam"));
    prompts.ExpectMessage(
        {"5\r\nInvalid procedure call or argument\r\nA campaign file is 31944 bytes; this file "
         "has 500.\r\nFile: " +
             folder.File("short.cam"),
         platform::MessageButtons::Ok, platform::MessageIcon::None, "XaL_CampaignEdit"},
        MessageAnswer::Ok);
    EXPECT_EQ(OpenCampaign(nullptr, folder.File("")), nullptr);
}

TEST_F(OpenSaveCommandsTest, SaveWritesTheFileAsSpelledAndSaveAsMakesTheChosenOneTheCampaigns) {
    const std::shared_ptr<Campaign> campaign = Opened("Кампания/CAMP1.CAM");
    campaign->SetPrestige(4321);
    EXPECT_TRUE(SaveCampaign(*campaign, false));
    EXPECT_EQ(StoredPrestige(folder.File("Кампания/CAMP1.CAM")), 4321) << "the file as spelled";

    prompts.ExpectFilePick("Save campaign file", folder.File("Жук"));  // no ending typed
    campaign->SetPrestige(777);
    EXPECT_TRUE(SaveCampaign(*campaign, true));
    EXPECT_EQ(prompts.FilePicks()[0].initialFolder, folder.File("Кампания/"));
    EXPECT_EQ(prompts.FilePicks()[0].initialFileName, "CAMP1.cam");
    EXPECT_EQ(campaign->CampaignName(), "Жук");
    EXPECT_EQ(campaign->CampaignFolder(), folder.File(""));
    EXPECT_EQ(campaign->CampaignFile(), folder.File("Жук.cam"));
    EXPECT_EQ(StoredPrestige(folder.File("Жук.cam")), 777);
    EXPECT_EQ(StoredPrestige(folder.File("Кампания/CAMP1.CAM")), 4321);
}

TEST_F(OpenSaveCommandsTest, AFailedOrCancelledSaveAsKeepsTheCampaignsFile) {
    const std::shared_ptr<Campaign> campaign = Opened("camp1.cam");
    campaign->SetPrestige(7);
    std::filesystem::create_directory(folder.Path() / "taken.cam");
    prompts.ExpectFilePick("Save campaign file", folder.File("taken.cam"));
    prompts.ExpectMessage(
        "75\r\nPath/File access error: not a regular file\r\nFile: " + folder.File("taken.cam") +
        "\r\nNothing was saved: the file is unchanged.");
    EXPECT_FALSE(SaveCampaign(*campaign, true));
    prompts.ExpectFilePick("Save campaign file", std::nullopt);
    EXPECT_FALSE(SaveCampaign(*campaign, true)) << "cancelled, silently";
    EXPECT_EQ(campaign->CampaignName(), "camp1");
    EXPECT_EQ(campaign->CampaignFile(), folder.File("camp1.cam"));
    EXPECT_EQ(StoredPrestige(folder.File("camp1.cam")), 300);
}

TEST_F(OpenSaveCommandsTest, SavingACampaignWithoutAFileAsksBeforeReplacingAnother) {
    folder.Write("camp1.cam", "another campaign");
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCampaignName("camp1");
    campaign.SetCampaignFolder(folder.File(""));
    const platform::MessageRequest question{
        folder.File("camp1.cam") + " already exists.\r\nDo you want to replace it?",
        platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation, "XaL Campaign Editor"};
    prompts.ExpectMessage(question, MessageAnswer::No);
    EXPECT_FALSE(SaveCampaign(campaign, false));
    EXPECT_EQ(folder.Read("camp1.cam"), "another campaign");
    prompts.ExpectMessage(question, MessageAnswer::Yes);
    EXPECT_TRUE(SaveCampaign(campaign, false));
    EXPECT_EQ(campaign.CampaignFile(), folder.File("camp1.cam"));
    EXPECT_TRUE(SaveCampaign(campaign, false)) << "its own file now: no question";
}

}  // namespace
}  // namespace xal::gui
