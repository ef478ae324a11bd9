// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "core/settings/settings.h"

namespace xal::gui {

// The options: the external scenario editor, the game folder, the six file-name
// separators and the prestige increment. OK stores them in the registry and hands them
// back as the result, or tells why they could not be stored and stays open; Cancel
// changes nothing.
class frmOptions : public QDialog {
    Q_OBJECT

  public:
    // Shows `settings`; the pickers open in `pickerFolder`, the current campaign's.
    frmOptions(const SettingsRecord& settings, std::string pickerFolder, QWidget* parent);

    // The settings stored by OK; nothing until then.
    const std::optional<SettingsRecord>& Result() const { return result_; }

    // The settings as the boxes hold them.
    SettingsRecord Entered() const;

    QLineEdit* txtRHXaLScenarioEditor = nullptr;
    QPushButton* cmdSelectRHXaLScenarioEditor = nullptr;
    QLineEdit* txtXaLPath = nullptr;
    QPushButton* cmdSelectXaLPath = nullptr;
    QLineEdit* txtScenarioFileSeparator = nullptr;
    QLineEdit* txtInfoFileSeparator = nullptr;
    QLineEdit* txtBVFileSeparator = nullptr;
    QLineEdit* txtVFileSeparator = nullptr;
    QLineEdit* txtTVFileSeparator = nullptr;
    QLineEdit* txtLFileSeparator = nullptr;
    QLineEdit* txtPrestigeIncrement = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    void BuildLayout();
    void Form_Load(const SettingsRecord& settings);
    void cmdSelectRHXaLScenarioEditor_Click();
    void cmdSelectXaLPath_Click();
    void cmdOK_Click();

    std::string pickerFolder_;
    std::optional<SettingsRecord> result_;
};

}  // namespace xal::gui
