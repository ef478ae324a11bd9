// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "campaign_document/campaign_document.h"
#include "campaign_file/select_file.h"
#include "main_window/campaign_recovery.h"
#include "model/campaign.h"
#include "model/conversions.h"
#include "model/outcomes.h"
#include "platform/caption_frame.h"
#include "settings/settings.h"
#include "text_editor/uc_edit.h"

namespace xal::gui {

class frmMap;

// A drop-down list that tells when the user opens it.
class DropDownList : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  signals:
    void droppedDown();
};

// The editor's main window: every command starts here.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // The window shows `document` and edits it as `settings` say; both outlive it.
    frmMain(CampaignDocument& document, SettingsRecord& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // "XaL Campaign Editor - 1.00": product name, major version, minor version in two digits.
    static QString WindowTitle();

    // Command state: No campaign, Unchanged, Changed, held by the document. Marking and
    // clearing unsaved changes redraws the commands' states.
    void MarkChanged();
    void ShowCampaignState(bool changed);
    void SetSaved();
    bool HasUnsavedChanges() const;
    enum class SaveQuestion { Continue, Abort };
    SaveQuestion AskSaveChanges();
    // The one routine that sets every command's enabled flag, caption and tool tip, and
    // the campaign frame's caption and visibility, from the document and the settings.
    void UpdateCommandStates();

    // Makes an opened campaign current and shows it; a null one (a cancelled or failed
    // open) changes nothing.
    void ShowOpenedCampaign(const std::shared_ptr<Campaign>& campaign);

    // Keeps recovery copies of unsaved changes in the folder from now on, after offering
    // what editors that ended without saving left there; a restored campaign is shown with
    // its changes unsaved.
    void StartRecovery(const std::string& folder,
                       std::chrono::milliseconds delay = CampaignRecovery::kDelay);
    // Saves the current campaign to its file, or with `saveAs` to one the user picks.
    // Returns whether it was written.
    bool SaveCurrentCampaign(bool saveAs);

    void LoadCountries();

    // Display of the current campaign. While they run, the fields' change rules store
    // nothing, so that showing a campaign never changes it.
    void RefreshCampaignDisplay();
    void RefreshScenarioDisplay(Byte charScenario);
    void lvScenarios_ItemClick(QTreeWidgetItem* item);
    QTreeWidgetItem* ScenarioEntry(const QString& key) const;
    bool IsDisplaying() const { return displaying_ > 0; }

    // Redraws the campaign map, when it is open, once the current edit is stored.
    void RefreshCampaignMap();

    // Fills the recent-campaigns menu from the settings; the File menu does it as it opens.
    void RefreshRecentCampaigns();

    // A field's right-click menu: its own commands, the campaign's Undo and Redo. The
    // caller owns it.
    QMenu* FieldMenu(QLineEdit* box) const;

    // The external scenario editor's command line for the displayed scenario.
    std::string ScenarioEditorCommandLine() const;

    // The toolbar's buttons by their keys: each is the menu item it stands for.
    QAction* ToolbarButton(const QString& key) const { return toolbarButtons_.value(key); }

    // Controls, named as the window's design names them.
    QToolBar* tbMain = nullptr;
    CaptionFrame* fraMain = nullptr;
    QLineEdit* txtCampaignNrOfScenarios = nullptr;
    QLineEdit* txtCampaignPrestige = nullptr;
    QLineEdit* txtCampaignVictoryMOV = nullptr;
    QPushButton* cmdSelectCampaignVictoryMOV = nullptr;
    QLineEdit* txtCampaignDefeatMOV = nullptr;
    QPushButton* cmdSelectCampaignDefeatMOV = nullptr;
    QLineEdit* txtCampaignTXT = nullptr;
    QPushButton* cmdSelectCampaignTXT = nullptr;
    QPushButton* cmdEditCampaignTXT = nullptr;
    DropDownList* cbxCountry = nullptr;
    QTreeWidget* lvScenarios = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDown = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    CaptionFrame* fraScenario = nullptr;
    QLineEdit* txtScenario = nullptr;
    QPushButton* cmdSelectScenario = nullptr;
    QPushButton* cmdEditScenario = nullptr;
    QLineEdit* txtScenarioNr = nullptr;
    QLineEdit* txtScenarioTXT = nullptr;
    QPushButton* cmdSelectScenarioTXT = nullptr;
    QPushButton* cmdEditScenarioTXT = nullptr;
    QLineEdit* txtScenarioMOV = nullptr;
    QPushButton* cmdSelectScenarioMOV = nullptr;
    QLineEdit* txtScenarioPrestige = nullptr;
    // The four outcomes: brilliant victory, victory, tactical victory, loss.
    std::array<CaptionFrame*, kOutcomeCount> fraVictory{};
    std::array<QLineEdit*, kOutcomeCount> txtVictoryTXT{};
    std::array<QPushButton*, kOutcomeCount> cmdSelectVictoryTXT{};
    std::array<QPushButton*, kOutcomeCount> cmdEditVictoryTXT{};
    std::array<QLineEdit*, kOutcomeCount> txtVictoryMOV{};
    std::array<QPushButton*, kOutcomeCount> cmdSelectVictoryMOV{};
    std::array<QLineEdit*, kOutcomeCount> txtVictoryPrestige{};
    std::array<DropDownList*, kOutcomeCount> cbxVictoryGoto{};

    // The text editor, for the campaign's text files.
    ucEdit* edtMain = nullptr;

    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuCamp_Up = nullptr;
    QAction* mnuCamp_Down = nullptr;
    QAction* mnuScn_Up = nullptr;
    QAction* mnuScn_Down = nullptr;
    QAction* mnuReport = nullptr;
    QAction* mnuMap = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuAbout = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Marks the campaign changed on any key pressed in an editable field.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A campaign file dropped on the window opens as Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    friend class DisplayScope;

    void BuildLayout();
    void BuildCampaignFrame();
    void BuildScenarioFrame();
    void BuildVictoryFrame(int index);
    void BuildMenus();
    void BuildToolbar();
    void ConnectCommands();
    void ConnectDisplayHandlers();
    void ConnectFieldHandlers();
    void ConnectFileCommands();

    // A file-name field: its box, its too-long message and the model property it edits.
    struct FileNameField {
        QLineEdit* box;
        const char* message;
        std::function<std::string()> get;
        std::function<void(const std::string&)> set;
    };
    void FileNameField_Change(const FileNameField& field);
    void PrestigeField_Change(QLineEdit* box, const std::function<void(Long)>& store);
    std::vector<QLineEdit*> EditableFields() const;
    // The scenario whose number the hidden txtScenarioNr holds, and its outcomes.
    Scenario& DisplayedScenario() const;
    Victory& DisplayedVictory(int index) const;
    // Where the displayed scenario's fields, or those of its outcome, are in the campaign.
    FieldPlace DisplayedPlace(int outcome) const;

    // A file name chosen with a select button or filled in by an edit button.
    void PutFileName(QLineEdit* box, const QString& name);
    // "Field: " and where the box is, through the frames around it to its label:
    // "Field: Scenario 2 > Loss > TXT File". A failure that concerns the box names it so.
    std::string FieldConcerns(const QWidget* box) const;
    void SelectInto(QLineEdit* box, FileKind kind);
    void EditTextFile(QLineEdit* box, const std::function<std::string()>& defaultName);
    void cmdEditScenario_Click();

    void ConnectScenarioCommands();
    // The number of the list's selected scenario, or nothing when none is selected.
    std::optional<Byte> SelectedScenario() const;
    // Selects a scenario's list entry, scrolls to it and shows the scenario.
    void ShowSelectedScenario(Byte scenarioNr);
    void MoveSelectedScenario(int step);
    void cmdAdd_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdDelete_Click();
    void AdjustPrestige(Byte charMode);
    void Form_Load();

    // Undo and redo: the step taken back or made again is shown, the campaign changed.
    void mnuUndo_Click();
    void mnuRedo_Click();
    void ShowStep(const EditStep& step);

    void mnuRecent_Click(std::string path);
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuReport_Click();
    void mnuMap_Click();
    void CloseCampaignMap();
    void mnuOptions_Click();
    void mnuAbout_Click();
    void cbxCountry_Click();
    void cbxVictoryGoto_Click(int index);

    CampaignDocument& document_;
    SettingsRecord& settings_;
    QHash<QString, QIcon> ilMain;
    QHash<QString, QAction*> toolbarButtons_;
    frmMap* frmMap_ = nullptr;
    CampaignRecovery* recovery_ = nullptr;
    int displaying_ = 0;
};

// Marks the window as displaying for its lifetime.
class DisplayScope {
  public:
    explicit DisplayScope(frmMain& window) : window_(window) { ++window_.displaying_; }
    ~DisplayScope() { --window_.displaying_; }
    DisplayScope(const DisplayScope&) = delete;
    DisplayScope& operator=(const DisplayScope&) = delete;

  private:
    frmMain& window_;
};

}  // namespace xal::gui
