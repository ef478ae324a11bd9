#include "campaign_file/campaign_reader.h"
#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using platform::MessageAnswer;
using test::MainWindowTest;

TEST_F(MainWindowTest, CommandStatesMoveAsTheCampaignIsOpenedEditedAndSaved) {
    gui::frmMain& window = Window();
    ExpectCommandState(window, test::CommandState::NoCampaign);
    window.MarkChanged();
    EXPECT_TRUE(window.mnuSave->isEnabled()) << "MarkChanged only enables";

    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
    window.SetSaved();
    OpenThroughToolbar(path);
    ExpectCommandState(window, test::CommandState::Unchanged);
    EXPECT_EQ(window.fraMain->title(), "camp1.cam");
    EXPECT_TRUE(window.fraScenario->isVisible());

    QTest::keyClick(window.cbxCountry, Qt::Key_Space);  // opens the list
    window.cbxCountry->hidePopup();
    ExpectCommandState(window, test::CommandState::Changed);

    ClickToolbar("SAVE");
    ExpectCommandState(window, test::CommandState::Unchanged);

    window.ShowCampaignState(true);  // as the new-campaign wizard leaves it
    ExpectCommandState(window, test::CommandState::Changed);
}

class UnsavedChangesTest : public MainWindowTest {
  protected:
    // Opens a campaign and changes it; returns the file's path.
    std::string OpenChanged() {
        const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
        OpenThroughToolbar(path);
        modMain::CurrentCampaign->SetPrestige(4321);
        Window().MarkChanged();
        return path;
    }
    void ExpectQuestion(MessageAnswer answer) {
        prompts.ExpectMessage({"Save camp1.cam", platform::MessageButtons::YesNoCancel,
                               platform::MessageIcon::Question, "XaL Campaign Editor"},
                              answer);
    }
    Long StoredPrestige(const std::string& path) {
        Campaign read;
        ParseCampaign(ReadWholeFile(path), read);
        return read.Prestige();
    }
};

TEST_F(UnsavedChangesTest, ClosingAsksOnlyWithUnsavedChanges) {
    gui::frmMain& window = Window();
    EXPECT_TRUE(window.close()) << "nothing to ask without a campaign";
    Window().show();
    const std::string path = OpenChanged();

    ExpectQuestion(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.mnuSave->isEnabled());

    ExpectQuestion(MessageAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(StoredPrestige(path), 300) << "No closes without saving";

    window.show();
    ExpectQuestion(MessageAnswer::Yes);
    window.mnuExit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(StoredPrestige(path), 4321) << "Yes saves, then closes";
}

TEST_F(UnsavedChangesTest, OpenAndNewAskFirst) {
    OpenChanged();
    ExpectQuestion(MessageAnswer::Cancel);
    ClickToolbar("OPEN");  // no file dialog follows
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign->Prestige(), 4321);

    const std::string other = WriteCampaign("camp2.cam", test::DistinctCampaign(1));
    ExpectQuestion(MessageAnswer::No);
    OpenThroughToolbar(other);
    EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), "camp2");
    EXPECT_EQ(StoredPrestige(campaigns.File("camp1.cam")), 300);

    Window().MarkChanged();
    prompts.ExpectMessage({"Save camp2.cam", platform::MessageButtons::YesNoCancel,
                           platform::MessageIcon::Question, "XaL Campaign Editor"},
                          MessageAnswer::Yes);
    prompts.ExpectDialog("frmNew", [](void*) {});
    ClickToolbar("NEW");
    EXPECT_FALSE(Window().mnuSave->isEnabled()) << "saved before the wizard";
}

}  // namespace
}  // namespace xal
