// SPDX-License-Identifier: MIT
#include "main_window/frm_main.h"
#include "platform/read_limits.h"

#include <QCloseEvent>

#include "about/frm_about.h"
#include "campaign_file/campaign_reader.h"
#include "campaign_file/open_save_commands.h"
#ifdef XAL_CAMPAIGN_MAP
#include "campaign_map/frm_map.h"
#endif
#include "new_campaign/frm_new.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "report/campaign_report.h"
#include "settings/country_list.h"
#include "settings/frm_options.h"
#include "version.h"

namespace xal::gui {

void DropDownList::showPopup() {
    emit droppedDown();
    QComboBox::showPopup();
}

frmMain::frmMain(CampaignDocument& document, SettingsRecord& settings, QWidget* parent)
    : QMainWindow(parent), document_(document), settings_(settings) {
    setObjectName("frmMain");
    BuildLayout();
    ConnectCommands();
    ConnectDisplayHandlers();
    ConnectFieldHandlers();
    ConnectFileCommands();
    ConnectScenarioCommands();
    Form_Load();
}

frmMain::~frmMain() {
    document_.SetChangeHandler(nullptr);
}

QString frmMain::WindowTitle() {
    return QString("%1 - %2.%3")
        .arg(version::ProductName)
        .arg(version::Major)
        .arg(version::Minor, 2, 10, QChar('0'));
}

void frmMain::Form_Load() {
    setWindowTitle(WindowTitle());
    UpdateCommandStates();
    LoadCountries();
    setAcceptDrops(true);
}

void frmMain::LoadCountries() {
    // Filling the list is not a pick: the campaign's country stays as it is.
    DisplayScope filling(*this);
    try {
        const std::vector<std::string> names = CountryNames(
            ReadWholeFile(platform::FileInFolder(settings_.GameFolder, kCountryListFile),
                          platform::read_limit::kTextFile));
        int k = 0;
        for (const std::string& name : names) cbxCountry->addItem(ToQString(name), ++k);
        if (k < kCountryCount) Raise(ErrorNumber::InvalidArgument);
        cbxCountry->setCurrentIndex(-1);
    } catch (const RunTimeError&) {
        cbxCountry->setCurrentIndex(-1);
        platform::ShowMessage(
            "Cannot find the Xandor's Legion folder.\r\nPlease select the correct folder in "
            "'Options' and then close and restart the program.",
            platform::MessageButtons::Ok, platform::MessageIcon::Critical,
            version::FileDescription);
        mnuOptions_Click();
    }
}

void frmMain::MarkChanged() {
    document_.SetUnsavedChanges(true);
    RefreshCampaignMap();
}

bool frmMain::HasUnsavedChanges() const {
    return document_.HasUnsavedChanges();
}

void frmMain::SetSaved() {
    document_.SetUnsavedChanges(false);
}

void frmMain::ShowCampaignState(bool changed) {
    document_.SetUnsavedChanges(changed);
    UpdateCommandStates();
}

void frmMain::UpdateCommandStates() {
    const CampaignDocument& document = document_;
    const bool open = document.IsOpen();
    if (open) fraMain->setTitle(Utf8ToQString(document.Campaign()->CampaignName()) + ".cam");
    fraMain->setVisible(open);
    mnuSave->setEnabled(open && document.HasUnsavedChanges());
    for (QAction* command :
         {mnuSaveAs, mnuReport, mnuMap, mnuCamp_Up, mnuCamp_Down, mnuScn_Up, mnuScn_Down})
        command->setEnabled(open);
    cmdEditScenario->setEnabled(!settings_.ScenarioEditorPath.empty());

    // The captions name the step: "Undo Delete scenario 2".
    auto caption = [](const char* command, const std::string& step) {
        return Utf8ToQString(step.empty() ? command : command + (" " + step));
    };
    mnuUndo->setEnabled(document.CanUndo());
    mnuUndo->setText(caption("&Undo", document.UndoText()));
    mnuRedo->setEnabled(document.CanRedo());
    mnuRedo->setText(caption("&Redo", document.RedoText()));

    // The prestige commands name the settings' increment, in the menu and as tool tips.
    const QString increment = ToQString(DecimalText(settings_.PrestigeIncrement));
    const std::pair<QAction*, QString> prestige[] = {
        {mnuCamp_Up, "Increase prestige of all scenarios by "},
        {mnuCamp_Down, "Decrease prestige of all scenarios by "},
        {mnuScn_Up, "Increase prestige of selected scenario by "},
        {mnuScn_Down, "Decrease prestige of selected scenario by "}};
    for (const auto& [command, text] : prestige) {
        command->setText(text + increment);
        command->setToolTip(text + increment);
        command->setIconText(text + increment);
    }
}

frmMain::SaveQuestion frmMain::AskSaveChanges() {
    if (!HasUnsavedChanges()) return SaveQuestion::Continue;
    auto answer = platform::ShowMessage("Save " + document_.Campaign()->CampaignName() + ".cam",
                                        platform::MessageButtons::YesNoCancel,
                                        platform::MessageIcon::Question, version::FileDescription);
    if (answer == platform::MessageAnswer::Cancel) return SaveQuestion::Abort;
    if (answer == platform::MessageAnswer::No && recovery_) recovery_->ChangesDiscarded();
    // A save that fails or is cancelled keeps the campaign and its edits on the screen.
    if (answer == platform::MessageAnswer::Yes && !SaveCurrentCampaign(false))
        return SaveQuestion::Abort;
    return SaveQuestion::Continue;
}

void frmMain::ConnectCommands() {
    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { SaveCurrentCampaign(false); });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { SaveCurrentCampaign(true); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuUndo, &QAction::triggered, this, [this] { mnuUndo_Click(); });
    connect(mnuRedo, &QAction::triggered, this, [this] { mnuRedo_Click(); });
    document_.SetChangeHandler([this] {
        UpdateCommandStates();
        if (recovery_) recovery_->DocumentChanged();
    });
    connect(mnuReport, &QAction::triggered, this, [this] { mnuReport_Click(); });
    connect(mnuMap, &QAction::triggered, this, [this] { mnuMap_Click(); });
    connect(mnuOptions, &QAction::triggered, this, [this] { mnuOptions_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void frmMain::mnuNew_Click() {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    frmNew wizard(settings_, this);
    platform::RunModalDialog("frmNew", &wizard, [&wizard] { wizard.exec(); });
    if (!wizard.Result()) return;
    document_.Replace(wizard.Result());
    ShowCampaignState(true);
    RefreshCampaignDisplay();
}

void frmMain::mnuUndo_Click() {
    if (document_.CanUndo()) ShowStep(document_.Undo());
}

void frmMain::mnuRedo_Click() {
    if (document_.CanRedo()) ShowStep(document_.Redo());
}

void frmMain::ShowStep(const EditStep& step) {
    RefreshCampaignDisplay();
    if (step.scenario) ShowSelectedScenario(*step.scenario);
    MarkChanged();
}

void frmMain::mnuReport_Click() {
    try {
        // The country the campaign holds, by its number: the box may show none.
        const Campaign& campaign = *document_.Campaign();
        const int entry = cbxCountry->findData(int{campaign.Country()});
        const std::string path = WriteCampaignReport(
            campaign, entry < 0 ? std::string() : FromQString(cbxCountry->itemText(entry)));
        platform::ShowMessage("A summary report for this campaign has been saved to:\r\n" + path,
                              platform::MessageButtons::Ok, platform::MessageIcon::Information,
                              version::FileDescription);
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

// A build without Graphviz has no map window; its command is hidden.
#ifdef XAL_CAMPAIGN_MAP
void frmMain::mnuMap_Click() {
    if (!frmMap_)
        frmMap_ = new frmMap(
            document_, [this](Byte scenarioNr) { ShowSelectedScenario(scenarioNr); }, this);
    frmMap_->Refresh();
    frmMap_->show();
    frmMap_->raise();
    frmMap_->activateWindow();
}

void frmMain::RefreshCampaignMap() {
    if (frmMap_ && frmMap_->isVisible()) frmMap_->ScheduleRefresh();
}

void frmMain::CloseCampaignMap() {
    if (frmMap_) frmMap_->close();
}
#else
void frmMain::mnuMap_Click() {}
void frmMain::RefreshCampaignMap() {}
void frmMain::CloseCampaignMap() {}
#endif

void frmMain::mnuOptions_Click() {
    frmOptions options(settings_, document_.Campaign()->CampaignFolder(), this);
    platform::RunModalDialog("frmOptions", &options, [&options] { options.exec(); });
    if (!options.Result()) return;
    settings_ = *options.Result();
    UpdateCommandStates();
}

void frmMain::mnuAbout_Click() {
    frmAbout about(this);
    platform::RunModalDialog("frmAbout", &about, [&about] { about.exec(); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (AskSaveChanges() == SaveQuestion::Abort) {
        event->ignore();
        return;
    }
    CloseCampaignMap();
    event->accept();
}

}  // namespace xal::gui
