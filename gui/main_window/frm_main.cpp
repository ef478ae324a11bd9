// SPDX-License-Identifier: MIT
#include "gui/main_window/frm_main.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

#include "core/campaign_file/campaign_path.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/open_save_commands.h"
#include "gui/about/frm_about.h"
#ifdef XAL_CAMPAIGN_MAP
#include "gui/campaign_map/frm_map.h"
#endif
#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/campaign_check/campaign_check.h"
#include "core/platform/file_system.h"
#include "core/platform/prompts.h"
#include "core/report/campaign_report.h"
#include "core/settings/country_list.h"
#include "core/settings/recent_campaigns.h"
#include "gui/main_window/form_controls.h"
#include "gui/new_campaign/frm_new.h"
#include "gui/options/frm_options.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

using Change = DocumentChange;

// The one local campaign file among dropped data, or nothing.
std::optional<std::string> DroppedCampaign(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.fileName().endsWith(".cam", Qt::CaseInsensitive))
        return std::nullopt;
    return FileSystemPath(QDir::toNativeSeparators(url.toLocalFile()));
}

// Whether a change may give a field shown a file that is there or not: another file of the
// campaign (another campaign, too), other scenarios, an undo or redo, or a file name.
bool MovesFiles(const DocumentChange& change, bool another) {
    return another || change.Has(Change::kFile | Change::kScenarioList | Change::kRestored) ||
           (change.Has(Change::kField) && IsFileNameField(change.field));
}

}  // namespace

frmMain::frmMain(CampaignDocument& document, SettingsRecord& settings, QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      settings_(settings),
      edtMain_(new ucEdit(this)),
      files_(document, settings, *edtMain_) {
    setObjectName("frmMain");
    edtMain_->setObjectName("edtMain");
    edtMain_->hide();
    // The design's 8.25-point font: the labels are sized for it.
    QFont designFont = font();
    designFont.setPointSizeF(8.25);
    setFont(designFont);
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(11895 / kTwipsPerPixel, 7335 / kTwipsPerPixel);
    setCentralWidget(client);
    BuildCommands(this, client);

    // A fixed window: no maximize box, minimize box present.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (QScreen* display = screen()) move(display->availableGeometry().center() - rect().center());

    ConnectCommands();
    listening_ = document_.Subscribe([this](const Change& change) { DocumentChanged(change); });
    setWindowTitle(WindowTitle());
    UpdateCommandStates();
    LoadCountries();
    setAcceptDrops(true);
}

QString frmMain::WindowTitle() {
    return QString("%1 - %2.%3")
        .arg(version::ProductName)
        .arg(version::Major)
        .arg(version::Minor, 2, 10, QChar('0'));
}

CampaignPanel& frmMain::Panel() {
    if (!fraMain) {
        fraMain = new CampaignPanel(
            document_, shown_, files_, [this](int scenarioNr) { ShowScenario(scenarioNr); },
            centralWidget());
        for (FieldBox* box : fraMain->findChildren<FieldBox*>())
            box->UseCampaignHistory(mnuUndo, mnuRedo);
        fraMain->AddCountries(countries_);
    }
    return *fraMain;
}

void frmMain::DocumentChanged(const DocumentChange& change) {
    const bool another = shown_.Follow(change, document_.Campaign()->NrOfScenarios());
    Panel().Draw(change, another);
    if (MovesFiles(change, another)) MarkMissingFiles();
    if (change.Has(Change::kReplaced | Change::kFile | Change::kUnsaved | Change::kHistory))
        UpdateCommandStates();
    if (another) MarkShownOnMap();
}

void frmMain::ShowScenario(int scenarioNr) {
    const int count = document_.Campaign()->NrOfScenarios();
    if (scenarioNr < 0 || scenarioNr >= count) return;
    const bool another = shown_.Choose(scenarioNr, count);
    Panel().ShowScenario(scenarioNr, another);
    if (another) MarkMissingFiles();
    MarkShownOnMap();
}

void frmMain::MarkShownOnMap() {
#ifdef XAL_CAMPAIGN_MAP
    if (frmMap_) frmMap_->MarkShown(shown_.Number());
#endif
}

void frmMain::MarkMissingFiles() {
    // Without a game folder, nothing is looked for; before a campaign, nothing is shown.
    if (!fraMain) return;
    std::vector<Finding> found = document_.IsOpen()
                                     ? CheckGameFiles(*document_.Campaign(), settings_.GameFolder)
                                     : std::vector<Finding>{};
    const bool changed = found != gameFiles_;
    gameFiles_ = std::move(found);
    fraMain->MarkFiles(gameFiles_);
#ifdef XAL_CAMPAIGN_MAP
    if (changed && frmMap_ && frmMap_->isVisible()) frmMap_->ScheduleRefresh();
#endif
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) MarkMissingFiles();
}

void frmMain::UpdateCommandStates() {
    ShowCommandStates(document_, settings_);
    if (!document_.IsOpen()) return;
    CampaignPanel& panel = Panel();
    panel.SetCaption(Utf8ToQString(document_.Campaign()->CampaignName()) + ".cam");
    panel.show();
    panel.Scenario()->EditScenarioButton()->setEnabled(!settings_.ScenarioEditorPath.empty());
}

void frmMain::LoadCountries() {
    try {
        countries_ = CountryNames(
            ReadWholeFile(platform::FileInFolder(settings_.GameFolder, kCountryListFile),
                          platform::read_limit::kTextFile));
        if (countries_.size() < kCountryCount) Raise(ErrorNumber::InvalidArgument);
    } catch (const RunTimeError&) {
        platform::ShowMessage(
            "Cannot find the Xandor's Legion folder.\r\nPlease select the correct folder in "
            "'Options' and then close and restart the program.",
            platform::MessageButtons::Ok, platform::MessageIcon::Critical,
            version::FileDescription);
        mnuOptions_Click();
    }
}

void frmMain::ConnectCommands() {
    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    // Filled as the menu opens, so the list is read only when wanted and is always the
    // settings' latest, even when another editor changed it.
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::RefreshRecentCampaigns);
    connect(mnuSave, &QAction::triggered, this, [this] { SaveCurrentCampaign(false); });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { SaveCurrentCampaign(true); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuUndo, &QAction::triggered, this, [this] {
        if (document_.CanUndo()) document_.Undo();
    });
    connect(mnuRedo, &QAction::triggered, this, [this] {
        if (document_.CanRedo()) document_.Redo();
    });
    const std::pair<QAction*, PrestigeMode> prestige[] = {{mnuCamp_Up, CampaignUp},
                                                          {mnuCamp_Down, CampaignDown},
                                                          {mnuScn_Up, ScenarioUp},
                                                          {mnuScn_Down, ScenarioDown}};
    for (const auto& [item, mode] : prestige)
        connect(item, &QAction::triggered, this, [this, mode] {
            document_.AdjustPrestige(mode, settings_.PrestigeIncrement, shown_.Number());
        });
    connect(mnuReport, &QAction::triggered, this, [this] { mnuReport_Click(); });
    connect(mnuMap, &QAction::triggered, this, [this] { mnuMap_Click(); });
    connect(mnuOptions, &QAction::triggered, this, [this] { mnuOptions_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

frmMain::SaveQuestion frmMain::AskSaveChanges() {
    if (!document_.HasUnsavedChanges()) return SaveQuestion::Continue;
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

void frmMain::mnuNew_Click() {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    frmNew wizard(settings_, this);
    platform::RunModalDialog("frmNew", &wizard, [&wizard] { wizard.exec(); });
    if (wizard.Result()) document_.Replace(wizard.Result(), true);
}

void frmMain::mnuOpen_Click() {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    const Campaign* shown = document_.IsOpen() ? document_.Campaign().get() : nullptr;
    ShowOpenedCampaign(OpenCampaign(shown, CampaignsFolder(settings_.GameFolder)));
}

void frmMain::ShowOpenedCampaign(const std::shared_ptr<Campaign>& campaign) {
    if (!campaign) return;
    document_.Replace(campaign);
    RememberRecentCampaign(campaign->CampaignFile());
}

void frmMain::StartRecovery(const std::string& folder, std::chrono::milliseconds delay) {
    delete recovery_;
    recovery_ = new CampaignRecovery(document_, folder, delay, this);
    recovery_->OfferLeftovers(
        [this](const std::shared_ptr<Campaign>& restored) { document_.Replace(restored, true); });
}

bool frmMain::SaveCurrentCampaign(bool saveAs) {
    Campaign& campaign = *document_.Campaign();
    if (!SaveCampaign(campaign, saveAs)) return false;
    // Save As may have given the campaign another name, for the captions.
    document_.Saved();
    RememberRecentCampaign(campaign.CampaignFile());
    return true;
}

void frmMain::RefreshRecentCampaigns() {
    mnuRecent->clear();
    int place = 0;
    for (const std::string& path : RecentCampaigns()) {
        QString caption = Utf8ToQString(path);
        caption.replace("&", "&&");
        QAction* entry = mnuRecent->addAction(QString("&%1 %2").arg(++place).arg(caption));
        connect(entry, &QAction::triggered, this, [this, path] { mnuRecent_Click(path); });
    }
    mnuRecent->setEnabled(place > 0);
}

void frmMain::mnuRecent_Click(const std::string& path) {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    if (!platform::FileExists(path)) {
        const bool forgotten = ForgetRecentCampaign(path);
        platform::ShowMessage(path + "\r\nThis campaign file is no longer there" +
                                  (forgotten ? "; it has been taken off the list of recent "
                                               "campaigns."
                                             : "."),
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        return;
    }
    ShowOpenedCampaign(OpenCampaignFile(path));
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedCampaign(event->mimeData())) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedCampaign(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    ShowOpenedCampaign(OpenCampaignFile(*path));
}

void frmMain::mnuReport_Click() {
    try {
        const Campaign& campaign = *document_.Campaign();
        const std::string path =
            WriteCampaignReport(campaign, Panel().CountryName(campaign.Country()));
        platform::ShowMessage("A summary report for this campaign has been saved to:\r\n" + path,
                              platform::MessageButtons::Ok, platform::MessageIcon::Information,
                              version::FileDescription);
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

// A build without Graphviz has no map window; its command is hidden.
void frmMain::mnuMap_Click() {
#ifdef XAL_CAMPAIGN_MAP
    if (!frmMap_)
        frmMap_ = new frmMap(document_, gameFiles_,
                             {[this](Byte scenarioNr) { ShowScenario(scenarioNr); },
                              [this](Byte scenarioNr, ScenarioCommand command) {
                                  RunScenarioCommand(scenarioNr, command);
                              }},
                             this);
    frmMap_->MarkShown(shown_.Number());
    frmMap_->Refresh();
    frmMap_->show();
    frmMap_->raise();
    frmMap_->activateWindow();
#endif
}

#ifdef XAL_CAMPAIGN_MAP
// The map's box menu runs a scenario command as its button in the list does, on the
// scenario shown.
void frmMain::RunScenarioCommand(Byte scenarioNr, ScenarioCommand command) {
    ShowScenario(scenarioNr);
    const char* button = command == ScenarioCommand::Up     ? "cmdUp"
                         : command == ScenarioCommand::Down ? "cmdDown"
                         : command == ScenarioCommand::Add  ? "cmdAdd"
                                                            : "cmdDelete";
    Panel().findChild<QPushButton*>(button)->click();
}
#endif

void frmMain::mnuOptions_Click() {
    frmOptions options(settings_, document_.Campaign()->CampaignFolder(), this);
    platform::RunModalDialog("frmOptions", &options, [&options] { options.exec(); });
    if (!options.Result()) return;
    settings_ = *options.Result();
    UpdateCommandStates();
    MarkMissingFiles();
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
#ifdef XAL_CAMPAIGN_MAP
    if (frmMap_) frmMap_->close();
#endif
    event->accept();
}

}  // namespace xal::gui
