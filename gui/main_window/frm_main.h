// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/campaign_check/campaign_check.h"
#include "core/campaign_document/campaign_document.h"
#include "core/campaign_document/shown_scenario.h"
#include "core/settings/settings.h"
#include "gui/main_window/campaign_panel.h"
#include "gui/main_window/campaign_recovery.h"
#include "gui/main_window/file_commands.h"
#include "gui/main_window/main_commands.h"
#include "gui/text_editor/uc_edit.h"
#ifdef XAL_CAMPAIGN_MAP
#include "gui/campaign_map/box_menu.h"
#endif

namespace xal::gui {

class frmMap;

// The editor's main window: a view of the document, which it draws as the document tells
// what changed, and the home of every command.
class frmMain : public QMainWindow, public MainCommands {
    Q_OBJECT

  public:
    // The window shows `document` and edits it as `settings` say; both outlive it.
    frmMain(CampaignDocument& document, SettingsRecord& settings, QWidget* parent = nullptr);

    // "XaL Campaign Editor - 1.00": product name, major version, minor version in two digits.
    static QString WindowTitle();

    // With unsaved changes, asks whether to save them first: Cancel, or a save that fails
    // or is cancelled, aborts what was asked for.
    enum class SaveQuestion { Continue, Abort };
    SaveQuestion AskSaveChanges();

    // Makes an opened campaign the document's; a null one (a cancelled or failed open)
    // changes nothing.
    void ShowOpenedCampaign(const std::shared_ptr<Campaign>& campaign);

    // Keeps recovery copies of unsaved changes in the folder from now on, after offering
    // what editors that ended without saving left there; a restored campaign is shown with
    // its changes unsaved.
    void StartRecovery(const std::string& folder,
                       std::chrono::milliseconds delay = CampaignRecovery::kDelay);
    // Saves the campaign to its file, or with `saveAs` to one the user picks. Returns
    // whether it was written.
    bool SaveCurrentCampaign(bool saveAs);

    // Shows the scenario the user chose in the list or on the map, selected in the list.
    void ShowScenario(int scenarioNr);

    // The campaign's frame, with every field of the campaign and of the shown scenario;
    // made when the first campaign is shown, null until then.
    CampaignPanel* fraMain = nullptr;

  protected:
    // Coming back to the window, as after writing a text file, looks for the files again.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A campaign file dropped on the window opens as Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The campaign's frame, made when it is first wanted.
    CampaignPanel& Panel();
    // The one place that draws a change of the document.
    void DocumentChanged(const DocumentChange& change);
    // The map marks the scenario shown, when it is open.
    void MarkShownOnMap();
    // Looks for the campaign's files in the game and marks the shown fields whose files it
    // lacks; no marks without a game folder. The map, when open, shows what changed.
    void MarkMissingFiles();
    // Every command's state and the campaign frame's caption and visibility.
    void UpdateCommandStates();
    void ConnectCommands();
    void LoadCountries();
    // Fills the recent-campaigns menu from the settings; the File menu does it as it opens.
    void RefreshRecentCampaigns();
    void mnuRecent_Click(const std::string& path);
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuReport_Click();
    void mnuMap_Click();
#ifdef XAL_CAMPAIGN_MAP
    void RunScenarioCommand(Byte scenarioNr, ScenarioCommand command);
#endif
    void mnuOptions_Click();
    void mnuAbout_Click();

    CampaignDocument& document_;
    SettingsRecord& settings_;
    ShownScenario shown_;
    ucEdit* edtMain_;  // the text editor, for the campaign's text files
    FileCommands files_;
    frmMap* frmMap_ = nullptr;
    std::vector<Finding> gameFiles_;  // the campaign's files in the game, as last looked for
    CampaignRecovery* recovery_ = nullptr;
    CampaignDocument::Subscription listening_;
    std::vector<std::string> countries_;  // the game's, for the campaign's frame
};

}  // namespace xal::gui
