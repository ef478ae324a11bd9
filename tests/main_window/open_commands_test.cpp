#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "model/mod_main.h"
#include "settings/recent_campaigns.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using platform::MessageAnswer;

class OpenCommandsTest : public test::MainWindowTest {
  protected:
    // The recent campaigns as the File menu shows them when it opens.
    QStringList RecentEntries() {
        emit Window().menuBar()->actions().front()->menu()->aboutToShow();
        QStringList entries;
        for (QAction* entry : Window().mnuRecent->actions()) entries << entry->text();
        return entries;
    }
    void Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &enter);
        dropAccepted = enter.isAccepted();
        if (!dropAccepted) return;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &drop);
    }
    // Presses keys on the active window, as the user does.
    void Press(QKeyCombination keys) {
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        QTest::keyClick(&Window(), keys.key(), keys.keyboardModifiers());
    }

    const platform::MessageRequest saveQuestion{
        "Save camp1.cam", platform::MessageButtons::YesNoCancel, platform::MessageIcon::Question,
        "XaL Campaign Editor"};
    bool dropAccepted = false;
};

TEST_F(OpenCommandsTest, OpenedAndSavedCampaignsAreListedNewestFirst) {
    EXPECT_TRUE(RecentEntries().isEmpty());
    EXPECT_FALSE(Window().mnuRecent->isEnabled()) << "nothing opened yet";
    const std::string first = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    const std::string second = WriteCampaign("camp2.cam", test::DistinctCampaign(3));
    OpenThroughToolbar(first);
    OpenThroughToolbar(second);
    prompts.VerifyDone();
    EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + QString::fromStdString(second),
                                            "&2 " + QString::fromStdString(first)}));
    EXPECT_EQ(RecentCampaigns(), (std::vector<std::string>{second, first})) << "in the settings";

    RecentEntries();
    Window().mnuRecent->actions()[1]->trigger();  // camp1 again
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");
    EXPECT_EQ(Window().lvScenarios->topLevelItemCount(), 2);
    EXPECT_EQ(RecentCampaigns().front(), first);

    const std::string copy = campaigns.File("copy.cam");
    prompts.ExpectFilePick("Save campaign file", copy);
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(RecentCampaigns(), (std::vector<std::string>{copy, first, second}));

    for (int i = 0; i < 8; ++i) RememberRecentCampaign("/elsewhere/c" + std::to_string(i) + ".cam");
    EXPECT_EQ(RecentCampaigns().size(), 8u);
    EXPECT_EQ(RecentCampaigns().front(), "/elsewhere/c7.cam");
    EXPECT_EQ(RecentCampaigns().back(), "/elsewhere/c0.cam") << "the oldest dropped off";
}

TEST_F(OpenCommandsTest, AVanishedRecentCampaignIsTakenOffTheListAfterTheQuestion) {
    const std::string first = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    OpenThroughToolbar(first);
    RememberRecentCampaign(campaigns.File("gone.cam"));
    RecentEntries();
    Window().MarkChanged();

    prompts.ExpectMessage(saveQuestion, MessageAnswer::Cancel);
    Window().mnuRecent->actions()[0]->trigger();
    prompts.VerifyDone();
    EXPECT_EQ(RecentCampaigns().size(), 2u) << "Cancel changes nothing";

    prompts.ExpectMessage(saveQuestion, MessageAnswer::No);
    prompts.ExpectMessage(
        {campaigns.File("gone.cam") +
             "\r\nThis campaign file is no longer there; it has been taken off "
             "the list of recent campaigns.",
         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        MessageAnswer::Ok);
    Window().mnuRecent->actions()[0]->trigger();
    prompts.VerifyDone();
    EXPECT_EQ(RecentCampaigns(), (std::vector<std::string>{first}));
    EXPECT_EQ(RecentEntries().size(), 1);
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1") << "the campaign stays";
}

TEST_F(OpenCommandsTest, ADroppedCampaignFileOpensAfterTheQuestion) {
    const std::string first = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    const std::string upper = WriteCampaign("OTHER.CAM", test::DistinctCampaign(3));
    campaigns.Write("notes.txt", "text");
    Drop(QString::fromStdString(campaigns.File("notes.txt")));
    EXPECT_FALSE(dropAccepted) << "only campaign files";

    Drop(QString::fromStdString(first));
    EXPECT_TRUE(dropAccepted);
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignFolder(), campaigns.File(""));
    test::ExpectCommandState(Window(), test::CommandState::Unchanged);

    Window().MarkChanged();
    prompts.ExpectMessage(saveQuestion, MessageAnswer::Cancel);
    Drop(QString::fromStdString(upper));
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");

    prompts.ExpectMessage(saveQuestion, MessageAnswer::No);
    Drop(QString::fromStdString(upper));
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "OTHER");
    EXPECT_EQ(Window().fraMain->title(), "OTHER.cam");
}

TEST_F(OpenCommandsTest, TheUsualKeysRunTheFileCommandsOnlyWhereTheyAreEnabled) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    Press(Qt::CTRL | Qt::Key_S);  // nothing to save: no prompt at all
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    prompts.VerifyDone();

    prompts.ExpectFilePick("Open campaign file", path);
    Press(Qt::CTRL | Qt::Key_O);
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");

    modMain::CurrentCampaign()->SetPrestige(321);
    Window().MarkChanged();
    Press(Qt::CTRL | Qt::Key_S);
    EXPECT_FALSE(Window().mnuSave->isEnabled());
    EXPECT_EQ(test::Word16At(campaigns.Read("camp1.cam"), 2), 321);

    prompts.ExpectFilePick("Save campaign file", std::nullopt);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    prompts.ExpectDialog("frmNew", [](void* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    Press(Qt::CTRL | Qt::Key_N);
    prompts.VerifyDone();

    Press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(Window().isVisible());
}

}  // namespace
}  // namespace xal
