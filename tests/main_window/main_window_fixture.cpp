#include "main_window_fixture.h"

#include "campaign_file/campaign_writer.h"
#include "model/mod_main.h"
#include "support/test_application.h"

namespace xal::test {

std::string CountryLines(int count) {
    std::string lines;
    for (int k = 1; k <= count; ++k) lines += "Country " + std::to_string(k) + "\r\n";
    return lines;
}

MainWindowTest::MainWindowTest() {
    EnsureApplication();
    game.Write("GUI97.txt", CountryLines(20));
    modMain::Settings = SettingsRecord{};
    modMain::Settings.GameFolder = game.File("");
    modMain::Settings.PrestigeIncrement = 1000;
    modMain::CurrentCampaign = std::make_shared<Campaign>();
}

MainWindowTest::~MainWindowTest() {
    if (window_) window_->hide();
}

gui::frmMain& MainWindowTest::Window() {
    if (!window_) {
        window_ = std::make_unique<gui::frmMain>();
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

void MainWindowTest::OpenThroughToolbar(const std::string& path) {
    prompts.ExpectFilePick("Open campaign file", path);
    ClickToolbar("OPEN");
}

}  // namespace xal::test
