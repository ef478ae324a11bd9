// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "main_window/frm_main.h"
#include "model/campaign.h"
#include "settings/settings.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace xal::test {

// Twenty countries, one per line, as the game's own "GUI97.txt" has them.
std::string CountryLines(int count);

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
    void ClickToolbar(const QString& key);

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
