#include <algorithm>
#include <filesystem>
#include <vector>

#include "campaign_file/campaign_reader.h"

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

    const Campaign& campaign = *modMain::CurrentCampaign();
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
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "ca");
    EXPECT_EQ(Window().fraMain->title(), "ca.cam");
}

TEST_F(MainWindowTest, CancellingOpenChangesNothingAndSaysNothing) {
    auto before = modMain::CurrentCampaign();
    prompts.ExpectFilePick("Open campaign file", std::nullopt);
    ClickToolbar("OPEN");
    EXPECT_EQ(modMain::CurrentCampaign(), before);
    EXPECT_FALSE(Window().fraMain->isVisible());
}

TEST_F(MainWindowTest, AFailedOpenKeepsThePreviousCampaignAndWindow) {
    OpenThroughToolbar(WriteCampaign("good.cam", test::DistinctCampaign(2)));
    auto good = modMain::CurrentCampaign();
    Window().MarkChanged();
    campaigns.Write("short.cam", std::string(500, '\x03'));

    prompts.ExpectMessage("Save good.cam", platform::MessageAnswer::No);
    prompts.ExpectFilePick("Open campaign file", campaigns.File("short.cam"));
    prompts.ExpectMessage({"5\r\nInvalid procedure call or argument", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          platform::MessageAnswer::Ok);
    ClickToolbar("OPEN");
    EXPECT_EQ(modMain::CurrentCampaign(), good);
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
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "Camp Two");
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignFolder(), campaigns.File("copies/"));
    EXPECT_EQ(Window().fraMain->title(), "Camp Two.cam");

    modMain::CurrentCampaign()->SetPrestige(777);
    Window().MarkChanged();
    ClickToolbar("SAVE");  // no dialog: the campaign's own file
    EXPECT_FALSE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Read("copies/Camp Two.cam").substr(2, 2), "\x09\x03");
    EXPECT_EQ(campaigns.Read("camp1.cam"), original);

    prompts.ExpectFilePick("Save campaign file", std::nullopt);
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "Camp Two") << "cancel changes nothing";
}

// The files in a folder, by name.
std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(MainWindowTest, CampaignsNamedInAnyScriptOpenAndSaveWhereTheyAre) {
    const std::pair<const char*, const char*> places[] = {{"Été Größe", "Übung.cam"},
                                                          {"Łódź kampanie", "Demo.cam"},
                                                          {"Кампания", "поход.cam"},
                                                          {"戦役", "第一.cam"}};
    Long prestige = 100;
    for (const auto& [folder, file] : places) {
        SCOPED_TRACE(folder);
        std::filesystem::create_directory(campaigns.Path() / folder);
        const std::string relative = std::string(folder) + "/" + file;
        OpenThroughToolbar(WriteCampaign(relative, test::DistinctCampaign(2)));
        EXPECT_EQ(Window().fraMain->title(), QString::fromUtf8(file));
        modMain::CurrentCampaign()->SetPrestige(++prestige);
        Window().MarkChanged();
        ClickToolbar("SAVE");
        EXPECT_FALSE(Window().mnuSave->isEnabled());
        Campaign saved;
        ParseCampaign(campaigns.Read(relative), saved);
        EXPECT_EQ(saved.Prestige(), prestige);
        EXPECT_EQ(FilesIn(campaigns.Path() / folder), std::vector<std::string>{file});
    }

    // Two names the code page cannot hold are two files, not one "???.cam".
    for (const char* name : {"Жук.cam", "Бык.cam"}) {
        prompts.ExpectFilePick("Save campaign file",
                               campaigns.File(std::string("Кампания/") + name));
        Window().mnuSaveAs->trigger();
    }
    EXPECT_EQ(FilesIn(campaigns.Path() / "Кампания"),
              (std::vector<std::string>{"Бык.cam", "Жук.cam", "поход.cam"}));
    EXPECT_EQ(Window().fraMain->title(), "Бык.cam");
}

TEST_F(MainWindowTest, SaveWritesTheFileOpenedWhateverTheCaseOfItsEnding) {
    OpenThroughToolbar(WriteCampaign("CAMP1.CAM", test::DistinctCampaign(2)));
    EXPECT_EQ(Window().fraMain->title(), "CAMP1.cam");
    modMain::CurrentCampaign()->SetPrestige(4321);
    Window().MarkChanged();
    ClickToolbar("SAVE");
    EXPECT_EQ(FilesIn(campaigns.Path()), std::vector<std::string>{"CAMP1.CAM"});
    Campaign saved;
    ParseCampaign(campaigns.Read("CAMP1.CAM"), saved);
    EXPECT_EQ(saved.Prestige(), 4321);

    prompts.ExpectFilePick("Save campaign file", campaigns.File("SECOND.CAM"));
    Window().mnuSaveAs->trigger();
    Window().MarkChanged();
    ClickToolbar("SAVE");
    EXPECT_EQ(FilesIn(campaigns.Path()), (std::vector<std::string>{"CAMP1.CAM", "SECOND.CAM"}));

    // A name typed without an ending is saved as a campaign file, and stays so.
    prompts.ExpectFilePick("Save campaign file", campaigns.File("camp12"));
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(Window().fraMain->title(), "camp12.cam");
    Window().MarkChanged();
    ClickToolbar("SAVE");
    EXPECT_EQ(FilesIn(campaigns.Path()),
              (std::vector<std::string>{"CAMP1.CAM", "SECOND.CAM", "camp12.cam"}));
}

TEST_F(MainWindowTest, AFailedSaveReportsTheErrorAndKeepsTheLastGoodFile) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    OpenThroughToolbar(path);
    const std::string good = campaigns.Read("camp1.cam");

    modMain::CurrentCampaign()->SetPrestige(70000);
    Window().MarkChanged();
    prompts.ExpectMessage("5\r\nInvalid procedure call or argument");
    ClickToolbar("SAVE");
    EXPECT_TRUE(Window().mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Read("camp1.cam"), good);

    // A folder standing where the file should go.
    modMain::CurrentCampaign()->SetPrestige(10);
    std::filesystem::create_directory(campaigns.Path() / "taken.cam");
    prompts.ExpectFilePick("Save campaign file", campaigns.File("taken.cam"));
    prompts.ExpectMessage("75\r\nPath/File access error: not a regular file");
    Window().mnuSaveAs->trigger();
    EXPECT_TRUE(Window().mnuSave->isEnabled());
    EXPECT_EQ(Window().fraMain->title(), "taken.cam")
        << "the picked name stays, as after any failure";
    EXPECT_TRUE(std::filesystem::is_directory(campaigns.Path() / "taken.cam"));
}

}  // namespace
}  // namespace xal
