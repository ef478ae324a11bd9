// SPDX-License-Identifier: MIT
#include "support/main_window_fixture.h"

#include <QDateTime>

#include "core/campaign_file/campaign_writer.h"
#include "support/test_application.h"

namespace xal::test {

std::string CountryLines(int count) {
    std::string lines;
    for (int k = 1; k <= count; ++k) lines += "Country " + std::to_string(k) + "\r\n";
    return lines;
}

std::string RecoveryQuestion(const std::string& name, const std::string& file, qint64 time) {
    return "The campaign " + name +
           ".cam has changes that were not saved when the editor last ended.\r\nFile: " + file +
           "\r\nRecovery copy of " +
           QDateTime::fromSecsSinceEpoch(time).toString("yyyy-MM-dd HH:mm:ss").toStdString() +
           "\r\n\r\nRestore the campaign as it stood then?";
}

void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void ExpectCommandState(gui::frmMain& window, CommandState state) {
    // The toolbar's buttons are these commands themselves.
    const bool shown = state != CommandState::NoCampaign;
    EXPECT_EQ(window.fraMain && window.fraMain->isVisible(), shown);
    EXPECT_EQ(window.mnuSave->isEnabled(), state == CommandState::Changed);
#ifdef XAL_CAMPAIGN_MAP
    EXPECT_EQ(window.mnuMap->isEnabled(), shown);
#else
    EXPECT_FALSE(window.mnuMap->isVisible()) << "a build without the map leaves it out";
#endif
    for (QAction* item : {window.mnuSaveAs, window.mnuReport, window.mnuCamp_Up,
                          window.mnuCamp_Down, window.mnuScn_Up, window.mnuScn_Down})
        EXPECT_EQ(item->isEnabled(), shown) << item->objectName().toStdString();
    for (QAction* item :
         {window.mnuNew, window.mnuOpen, window.mnuExit, window.mnuOptions, window.mnuAbout})
        EXPECT_TRUE(item->isEnabled());
}

MainWindowTest::MainWindowTest() {
    EnsureApplication();
    game.Write("GUI97.txt", CountryLines(20));
    settings.GameFolder = game.File("");
    settings.PrestigeIncrement = 1000;
}

MainWindowTest::~MainWindowTest() {
    if (window_) window_->hide();
}

gui::frmMain& MainWindowTest::Window() {
    if (!window_) {
        window_ = std::make_unique<gui::frmMain>(document, settings);
        window_->show();
    }
    return *window_;
}

std::string MainWindowTest::WriteCampaign(const std::string& name, const Campaign& campaign) {
    campaigns.Write(name, BuildCampaignFile(campaign));
    return campaigns.File(name);
}

void MainWindowTest::ClickToolbar(const QString& key) {
    QWidget* button = Window().tbMain->widgetForAction(Window().ToolbarButton(key));
    ASSERT_NE(button, nullptr) << key.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::ClickScenario(int scenarioNr) {
    QTreeWidget* list = Scenarios();
    QTreeWidgetItem* entry = list->topLevelItem(scenarioNr);
    ASSERT_NE(entry, nullptr) << scenarioNr;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
}

void MainWindowTest::OpenThroughToolbar(const std::string& path) {
    prompts.ExpectFilePick("Open campaign file", path);
    ClickToolbar("OPEN");
}

gui::frmMain& MainWindowTest::Open(const Campaign& campaign, const std::string& name) {
    OpenThroughToolbar(WriteCampaign(name, campaign));
    return Window();
}

}  // namespace xal::test
