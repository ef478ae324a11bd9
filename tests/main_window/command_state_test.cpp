#include <QApplication>
#include <QWheelEvent>
#include <filesystem>
#include <functional>

#include "campaign_file/campaign_reader.h"
#include "model/mod_main.h"
#include "platform/read_limits.h"
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
        modMain::CurrentCampaign()->SetPrestige(4321);
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
        ParseCampaign(ReadWholeFile(path, platform::read_limit::kCampaignFile), read);
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

TEST_F(UnsavedChangesTest, AFailedSaveAfterYesKeepsTheWindowAndTheEdits) {
    gui::frmMain& window = Window();
    OpenChanged();
    std::filesystem::remove_all(campaigns.Path());  // the campaign's folder is gone

    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage({"76\r\nPath not found", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          MessageAnswer::Ok);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(modMain::CurrentCampaign()->Prestige(), 4321);

    // Nor does Open go ahead: no file dialog follows the failed save.
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage("76\r\nPath not found");
    ClickToolbar("OPEN");
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->Prestige(), 4321);
}

TEST_F(UnsavedChangesTest, EveryChoiceInADropDownListMarksTheCampaignChanged) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
    // Each moves to the next entry, or the one before at the end of the list.
    auto atEnd = [](QComboBox* list) { return list->currentIndex() + 1 == list->count(); };
    const std::function<void(QComboBox*)> choices[] = {
        [&](QComboBox* list) {
            QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, atEnd(list) ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
        },
        [&](QComboBox* list) { QTest::keyClick(list, atEnd(list) ? Qt::Key_Up : Qt::Key_Down); },
        [&](QComboBox* list) {
            const int next = atEnd(list) ? 0 : list->currentIndex() + 1;
            QTest::keyClicks(list, list->itemText(next).left(1));
        },
    };
    for (const auto& choose : choices) {
        Window().SetSaved();
        OpenThroughToolbar(path);
        for (QComboBox* list : {static_cast<QComboBox*>(Window().cbxCountry),
                                static_cast<QComboBox*>(Window().cbxVictoryGoto[0])}) {
            SCOPED_TRACE(list->objectName().toStdString());
            const int before = list->currentIndex();
            Window().SetSaved();
            choose(list);
            ASSERT_NE(list->currentIndex(), before) << "the choice changed the list";
            EXPECT_TRUE(Window().mnuSave->isEnabled());
        }
    }
}

TEST_F(UnsavedChangesTest, OpenAndNewAskFirst) {
    OpenChanged();
    ExpectQuestion(MessageAnswer::Cancel);
    ClickToolbar("OPEN");  // no file dialog follows
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->Prestige(), 4321);

    const std::string other = WriteCampaign("camp2.cam", test::DistinctCampaign(1));
    ExpectQuestion(MessageAnswer::No);
    OpenThroughToolbar(other);
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp2");
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
