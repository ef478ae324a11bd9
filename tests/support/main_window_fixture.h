// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/model/campaign.h"
#include "core/settings/settings.h"
#include "gui/main_window/frm_main.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace xal::test {

// Twenty countries, one per line, as the game's own "GUI97.txt" has them.
std::string CountryLines(int count);

// The question that offers the recovery copy of campaign `name`, of file `file`, kept at
// `time` (seconds since 1970).
std::string RecoveryQuestion(const std::string& name, const std::string& file, qint64 time);

// Replaces the whole text of a box as a user does: selects it all, then types.
void Retype(QLineEdit* box, const QString& text);

// The three command states of the main window: no campaign, unchanged, changed.
enum class CommandState { NoCampaign, Unchanged, Changed };
// Checks every control of the command-state table against one state.
void ExpectCommandState(gui::frmMain& window, CommandState state);

// A main window over a game folder of its own with a complete country list, and a
// folder with campaign files in it. Every prompt must be scripted in `prompts`.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates and shows the window; prompts the load raises must be scripted first.
    gui::frmMain& Window();
    // Writes `campaign` as a campaign file in the campaign folder and returns its path.
    std::string WriteCampaign(const std::string& name, const Campaign& campaign);
    // Opens a campaign file through the toolbar's open button and the file dialog.
    void OpenThroughToolbar(const std::string& path);
    // Writes `campaign` as the campaign file `name` and opens it so; returns the window.
    gui::frmMain& Open(const Campaign& campaign, const std::string& name = "camp1.cam");
    void ClickToolbar(const QString& key);
    // A control of the window, by the name the window's design gives it.
    template <typename Control = QLineEdit>
    Control* Find(const QString& name) {
        auto* control = Window().findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QPushButton* Button(const QString& name) { return Find<QPushButton>(name); }
    QComboBox* List(const QString& name) { return Find<QComboBox>(name); }
    QTreeWidget* Scenarios() { return Find<QTreeWidget>("lvScenarios"); }
    // Clicks a scenario's entry in the list, which shows it.
    void ClickScenario(int scenarioNr);
    // The shown scenario, as its frame's caption says: "Scenario 2".
    QString ShownScenario() { return Find<QGroupBox>("fraScenario")->title(); }

    RegistrySandbox sandbox;
    TempFolder game;
    TempFolder campaigns;
    ScriptedPrompts prompts;
    // The window's campaign and settings: the settings name the game folder above.
    CampaignDocument document;
    SettingsRecord settings;

  private:
    std::unique_ptr<gui::frmMain> window_;
};

}  // namespace xal::test
