#include <filesystem>

#include "campaign_file/campaign_writer.h"
#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, OpenReadsTheChosenFileAndNamesTheCampaignAfterIt) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
    OpenThroughToolbar(path);
    ASSERT_EQ(prompts.FilePicks().size(), 1u);
    EXPECT_EQ(prompts.FilePicks()[0].initialFileName, ".cam");
    EXPECT_EQ(prompts.FilePicks()[0].initialFolder, "");
    EXPECT_EQ(prompts.FilePicks()[0].pattern, "*.cam");
    EXPECT_FALSE(prompts.FilePicks()[0].save);

    const Campaign& campaign = *modMain::CurrentCampaign;
    EXPECT_EQ(campaign.CampaignName(), "camp1");
    EXPECT_EQ(campaign.CampaignFolder(), campaigns.File(""));
    test::ExpectSameFileFields(test::DistinctCampaign(3), campaign);
    EXPECT_EQ(Window().txtCampaignPrestige->text(), "300");

    // The next open starts from the campaign's own file.
    prompts.ExpectFilePick("Open campaign file", std::nullopt);
    ClickToolbar("OPEN");
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, path);
    EXPECT_EQ(prompts.FilePicks()[1].initialFolder, campaigns.File(""));
}

TEST_F(MainWindowTest, ANameWithoutTheEndingLosesItsLastFourCharactersAllTheSame) {
    OpenThroughToolbar(WriteCampaign("camp12", test::DistinctCampaign(1)));
    EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), "ca");
    EXPECT_EQ(Window().fraMain->title(), "ca.cam");
}

TEST_F(MainWindowTest, CancellingOpenChangesNothingAndSaysNothing) {
    auto before = modMain::CurrentCampaign;
    prompts.ExpectFilePick("Open campaign file", std::nullopt);
    ClickToolbar("OPEN");
    EXPECT_EQ(modMain::CurrentCampaign, before);
    EXPECT_FALSE(Window().fraMain->isVisible());
}

TEST_F(MainWindowTest, AFailedOpenKeepsThePreviousCampaignAndWindow) {
    OpenThroughToolbar(WriteCampaign("good.cam", test::DistinctCampaign(2)));
    auto good = modMain::CurrentCampaign;
    Window().MarkChanged();
    campaigns.Write("short.cam", std::string(500, '\x03'));

    prompts.ExpectMessage("Save good.cam", platform::MessageAnswer::No);
    prompts.ExpectFilePick("Open campaign file", campaigns.File("short.cam"));
    prompts.ExpectMessage({"5\r\nInvalid procedure call or argument", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          platform::MessageAnswer::Ok);
    ClickToolbar("OPEN");
    EXPECT_EQ(modMain::CurrentCampaign, good);
    EXPECT_EQ(good->CampaignName(), "good");
    EXPECT_EQ(Window().fraMain->title(), "good.cam");
    EXPECT_EQ(Window().lvScenarios->topLevelItemCount(), 2);
    EXPECT_TRUE(Window().mnuSave->isEnabled()) << "the menus stay as they were";
}

TEST_F(MainWindowTest, SaveWritesTheOwnFileAndSaveAsTheChosenOne) {
    const std::string original = BuildCampaignFile(test::DistinctCampaign(3));
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
    OpenThroughToolbar(path);

    std::filesystem::create_directory(campaigns.Path() / "copies");
    const std::string copy = campaigns.File("copies/Camp Two.cam");
    prompts.ExpectFilePick("Save campaign file", copy);
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, "camp1.cam");
    EXPECT_TRUE(prompts.FilePicks()[1].save);
    EXPECT_EQ(campaigns.Read("copies/Camp Two.cam"), original);
    EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), "Camp Two");
    EXPECT_EQ(modMain::CurrentCampaign->CampaignFolder(), campaigns.File("copies/"));
    EXPECT_EQ(Window().fraMain->title(), "Camp Two.cam");

    modMain::CurrentCampaign->SetPrestige(777);
    Window().MarkChanged();
    ClickToolbar("SAVE");  // no dialog: the campaign's own file
    EXPECT_FALSE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Read("copies/Camp Two.cam").substr(2, 2), "\x09\x03");
    EXPECT_EQ(campaigns.Read("camp1.cam"), original);

    prompts.ExpectFilePick("Save campaign file", std::nullopt);
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), "Camp Two") << "cancel changes nothing";
}

TEST_F(MainWindowTest, AFailedSaveReportsTheErrorAndKeepsTheLastGoodFile) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    OpenThroughToolbar(path);
    const std::string good = campaigns.Read("camp1.cam");

    modMain::CurrentCampaign->SetPrestige(70000);
    Window().MarkChanged();
    prompts.ExpectMessage("5\r\nInvalid procedure call or argument");
    ClickToolbar("SAVE");
    EXPECT_TRUE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Read("camp1.cam"), good);

    // A folder standing where the file should go.
    modMain::CurrentCampaign->SetPrestige(10);
    std::filesystem::create_directory(campaigns.Path() / "taken.cam");
    prompts.ExpectFilePick("Save campaign file", campaigns.File("taken.cam"));
    prompts.ExpectMessage("75\r\nPath/File access error");
    Window().mnuSaveAs->trigger();
    EXPECT_TRUE(Window().mnuSave->isEnabled());
    EXPECT_EQ(Window().fraMain->title(), "taken.cam")
        << "the picked name stays, as after any failure";
    EXPECT_TRUE(std::filesystem::is_directory(campaigns.Path() / "taken.cam"));
}

}  // namespace
}  // namespace xal
