// SPDX-License-Identifier: MIT
#include <filesystem>

#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using platform::MessageAnswer;

class UnsavedChangesTest : public test::MainWindowTest {
  protected:
    // Opens camp1.cam and changes it; returns the file's path.
    std::string OpenChanged() {
        const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
        OpenThroughToolbar(path);
        document.SetNumber(Field::CampaignPrestige, {}, 4321);
        return path;
    }
    void ExpectQuestion(MessageAnswer answer) {
        prompts.ExpectMessage({"Save camp1.cam", platform::MessageButtons::YesNoCancel,
                               platform::MessageIcon::Question, "XaL Campaign Editor"},
                              answer);
    }
};

TEST_F(UnsavedChangesTest, CommandStatesFollowOpeningEditingAndSaving) {
    gui::frmMain& window = Window();
    test::ExpectCommandState(window, test::CommandState::NoCampaign);
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
    test::ExpectCommandState(window, test::CommandState::Unchanged);
    QTest::keyClick(List("cbxCountry"), Qt::Key_Space);  // opening the list marks a change
    List("cbxCountry")->hidePopup();
    test::ExpectCommandState(window, test::CommandState::Changed);
    ClickToolbar("SAVE");
    test::ExpectCommandState(window, test::CommandState::Unchanged);
}

TEST_F(UnsavedChangesTest, ClosingAndNewAskOnlyWithUnsavedChanges) {
    gui::frmMain& window = Window();
    EXPECT_TRUE(window.close()) << "nothing to ask without a campaign";
    window.show();
    const std::string path = OpenChanged();
    ExpectQuestion(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    ExpectQuestion(MessageAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(test::StoredPrestige(path), 300);
    window.show();
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectDialog("frmNew", [](void*) {});
    ClickToolbar("NEW");  // New asks too
    prompts.VerifyDone();
    EXPECT_EQ(test::StoredPrestige(path), 4321) << "saved before the wizard";
}

TEST_F(UnsavedChangesTest, AFailedSaveAfterYesGoesNoFurther) {
    gui::frmMain& window = Window();
    const std::string failed = "76\r\nPath not found\r\nFile: " + OpenChanged() +
                               "\r\nNothing was saved: no file was created.";
    std::filesystem::remove_all(campaigns.Path());
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage(failed);
    EXPECT_FALSE(window.close());
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage(failed);
    ClickToolbar("OPEN");  // no file dialog follows
    prompts.VerifyDone();
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(document.Campaign()->Prestige(), 4321);
}

}  // namespace
}  // namespace xal
