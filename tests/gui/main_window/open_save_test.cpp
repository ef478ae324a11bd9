// SPDX-License-Identifier: MIT
#include <filesystem>
#include <vector>

#include "core/campaign_file/campaign_reader.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class OpenSaveTest : public test::MainWindowTest {
  protected:
    Long StoredPrestige(const std::string& relative) {
        Campaign saved;
        ParseCampaign(campaigns.Read(relative), saved);
        return saved.Prestige();
    }
    void ChangeAndSave(Long prestige) {
        document.SetNumber(Field::CampaignPrestige, {}, prestige);
        ClickToolbar("SAVE");
    }
};

TEST_F(OpenSaveTest, OpenReadsTheChosenFileAndTheNextOpenStartsThere) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
    OpenThroughToolbar(path);
    // With no campaign shown, the game's campaigns are where the picker starts.
    EXPECT_EQ(prompts.FilePicks()[0].initialFolder, game.File("scenario/"));
    EXPECT_EQ(prompts.FilePicks()[0].initialFileName, "");
    const Campaign& campaign = *document.Campaign();
    EXPECT_EQ(campaign.CampaignName(), "camp1");
    EXPECT_EQ(campaign.CampaignFolder(), campaigns.File(""));
    EXPECT_EQ(campaign.NrOfScenarios(), 3);
    EXPECT_EQ(Window().fraMain->title(), "camp1.cam");

    prompts.ExpectFilePick("Open campaign file", std::nullopt);
    ClickToolbar("OPEN");
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, path);
    EXPECT_EQ(document.Campaign()->CampaignName(), "camp1") << "cancel changes nothing";
}

TEST_F(OpenSaveTest, AFailedOpenKeepsThePreviousCampaignAndWindow) {
    OpenThroughToolbar(WriteCampaign("good.cam", test::DistinctCampaign(2)));
    auto good = document.Campaign();
    campaigns.Write("short.cam", std::string(500, '\x03'));
    prompts.ExpectFilePick("Open campaign file", campaigns.File("short.cam"));
    prompts.ExpectMessage(
        {"5\r\nInvalid procedure call or argument\r\nA campaign file is 31944 bytes; this file "
         "has 500.\r\nFile: " +
             campaigns.File("short.cam"),
         platform::MessageButtons::Ok, platform::MessageIcon::None, "XaL_CampaignEdit"},
        platform::MessageAnswer::Ok);
    ClickToolbar("OPEN");
    prompts.VerifyDone();
    EXPECT_EQ(document.Campaign(), good);
    EXPECT_EQ(good->CampaignName(), "good");
    EXPECT_EQ(Window().fraMain->title(), "good.cam");
    EXPECT_EQ(Scenarios()->topLevelItemCount(), 2);
}

TEST_F(OpenSaveTest, SaveWritesTheFileOpenedAsSpelledAndSaveAsTheChosenOne) {
    OpenThroughToolbar(WriteCampaign("Кампания/CAMP1.CAM", test::DistinctCampaign(2)));
    EXPECT_EQ(Window().fraMain->title(), "CAMP1.cam");
    ChangeAndSave(4321);
    EXPECT_FALSE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Names("Кампания"), std::vector<std::string>{"CAMP1.CAM"});
    EXPECT_EQ(StoredPrestige("Кампания/CAMP1.CAM"), 4321);

    prompts.ExpectFilePick("Save campaign file", campaigns.File("Жук"));  // no ending typed
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, "CAMP1.cam");
    EXPECT_EQ(document.Campaign()->CampaignName(), "Жук");
    EXPECT_EQ(Window().fraMain->title(), "Жук.cam");
    ChangeAndSave(777);
    EXPECT_EQ(campaigns.Names(), (std::vector<std::string>{"Жук.cam", "Кампания"}));
    EXPECT_EQ(StoredPrestige("Жук.cam"), 777);
    EXPECT_EQ(StoredPrestige("Кампания/CAMP1.CAM"), 4321);
}

TEST_F(OpenSaveTest, AFailedSaveReportsTheErrorAndKeepsTheLastGoodFile) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(2)));
    const std::string good = campaigns.Read("camp1.cam");
    prompts.ExpectMessage(
        "5\r\nInvalid procedure call or argument\r\nFile: " + campaigns.File("camp1.cam") +
        "\r\nNothing was saved: the file is unchanged.");
    ChangeAndSave(70000);
    EXPECT_TRUE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Read("camp1.cam"), good);

    document.SetNumber(Field::CampaignPrestige, {}, 7);
    std::filesystem::create_directory(campaigns.Path() / "taken.cam");
    prompts.ExpectFilePick("Save campaign file", campaigns.File("taken.cam"));
    prompts.ExpectMessage(
        "75\r\nPath/File access error: not a regular file\r\nFile: " + campaigns.File("taken.cam") +
        "\r\nNothing was saved: the file is unchanged.");
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(document.Campaign()->CampaignName(), "camp1") << "a failed Save As";
    EXPECT_EQ(Window().fraMain->title(), "camp1.cam");
}

}  // namespace
}  // namespace xal
