// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

#include "core/campaign_document/campaign_document.h"
#include "core/campaign_file/select_file.h"
#include "core/settings/settings.h"
#include "gui/main_window/field_binding.h"
#include "gui/text_editor/uc_edit.h"

namespace xal::gui {

// The buttons beside the file-name fields: select a file into a field, edit the text file a
// field names, start the scenario editor on a scenario's file. They change the campaign
// only through the fields' binding. The files are the campaign's folder's.
class FileCommands {
  public:
    FileCommands(const CampaignDocument& document, const SettingsRecord& settings, ucEdit& editor);

    void SelectInto(FieldBinding& binding, QLineEdit* box, FileKind kind);
    // An empty field gets `defaultName` first.
    void EditTextFile(FieldBinding& binding, QLineEdit* box,
                      const std::function<std::string()>& defaultName);
    // The default name of a scenario's text file, marked by one of the settings' separators:
    // "Alpha_01.scn" and "l" give "Alpha_01l.txt".
    std::string ScenarioTextName(Byte scenario, const std::string SettingsRecord::*separator) const;

    // The external scenario editor's command line for a scenario, and starting it.
    std::string ScenarioEditorCommandLine(Byte scenario) const;
    void StartScenarioEditor(Byte scenario) const;

  private:
    const CampaignDocument& document_;
    const SettingsRecord& settings_;
    ucEdit& editor_;
};

// "Field: " and where a box is, through the frames around it to its label, as a failure
// that concerns the box names it: "Field: Scenario 2 > Loss > TXT File".
std::string FieldConcerns(const QWidget* box);

}  // namespace xal::gui
