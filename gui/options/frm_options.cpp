// SPDX-License-Identifier: MIT
#include "gui/options/frm_options.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/campaign_file/select_file.h"
#include "core/model/campaign_limits.h"
#include "core/platform/prompts.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/number_guard.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

QLineEdit* AddBox(QFormLayout* form, const char* name, const char* label, const char* toolTip,
                  QPushButton* browse = nullptr) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMinimumWidth(320);
    if (toolTip) box->setToolTip(toolTip);
    if (!browse) {
        form->addRow(label, box);
        return box;
    }
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(browse);
    // A label names its box for a screen reader only when it is the box's buddy.
    auto* caption = new QLabel(label);
    caption->setBuddy(box);
    form->addRow(caption, row);
    return box;
}

QPushButton* BrowseButton(const char* name, const char* toolTip) {
    auto* button = new QPushButton("...");
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 16);
    return button;
}

}  // namespace

frmOptions::frmOptions(const SettingsRecord& settings, std::string pickerFolder, QWidget* parent)
    : QDialog(parent), pickerFolder_(std::move(pickerFolder)) {
    setObjectName("frmOptions");
    BuildLayout();
    Form_Load(settings);
}

void frmOptions::BuildLayout() {
    setWindowTitle("Options");
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addLayout(form);

    cmdSelectRHXaLScenarioEditor =
        BrowseButton("cmdSelectRHXaLScenarioEditor",
                     "If you have Rusk Hallam's Scenario Editor, select its location");
    txtRHXaLScenarioEditor =
        AddBox(form, "txtRHXaLScenarioEditor", "RH XaL Scenario Editor:", nullptr,
               cmdSelectRHXaLScenarioEditor);
    cmdSelectXaLPath = BrowseButton("cmdSelectXaLPath", "Select your Xandor's Legion Folder");
    txtXaLPath = AddBox(form, "txtXaLPath", "Xandor's Legion folder:", nullptr, cmdSelectXaLPath);
    txtScenarioFileSeparator = AddBox(
        form, "txtScenarioFileSeparator", "Scenario file separator:",
        "Text that is inserted between the name of a campaign and a scenario number, when "
        "generating a scenario name (if this field is '_' then the first scenario of 'camp1' "
        "will be named 'camp1_01')");
    txtInfoFileSeparator =
        AddBox(form, "txtInfoFileSeparator", "Scenario info file separator:",
               "Text that is appended to the scenario name when generating a scenario info file.");
    txtBVFileSeparator = AddBox(form, "txtBVFileSeparator", "Scenario BV file separator:",
                                "Text that is appended to the scenario name when generating a "
                                "scenario brilliant victory file.");
    txtVFileSeparator = AddBox(
        form, "txtVFileSeparator", "Scenario V file separator:",
        "Text that is appended to the scenario name when generating a scenario victory file.");
    txtTVFileSeparator = AddBox(form, "txtTVFileSeparator", "Scenario TV file separator:",
                                "Text that is appended to the scenario name when generating a "
                                "scenario tactical victory file.");
    txtLFileSeparator =
        AddBox(form, "txtLFileSeparator", "Scenario L file separator:",
               "Text that is appended to the scenario name when generating a scenario loss file.");
    txtPrestigeIncrement = AddBox(form, "txtPrestigeIncrement", "Prestige increment:",
                                  "Amount of prestige increased/decreased when using the "
                                  "campaign/scenario prestige Increase or Decrease buttons.");

    const DialogButtons buttons = AddDialogButtons(column, "Cancel");
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    connect(cmdSelectRHXaLScenarioEditor, &QPushButton::clicked, this,
            [this] { cmdSelectRHXaLScenarioEditor_Click(); });
    connect(cmdSelectXaLPath, &QPushButton::clicked, this, [this] { cmdSelectXaLPath_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    // Cancel and Escape close the dialog as it is: nothing is stored.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOptions::Form_Load(const SettingsRecord& settings) {
    GuardNumberBox(txtPrestigeIncrement, limits::kEditorPrestige,
                   Utf8ToQString(DecimalText(limits::kDefaultPrestigeIncrement)));
    txtRHXaLScenarioEditor->setText(Utf8ToQString(settings.ScenarioEditorPath));
    txtXaLPath->setText(Utf8ToQString(settings.GameFolder));
    txtScenarioFileSeparator->setText(Utf8ToQString(settings.ScnFileSeparator));
    txtInfoFileSeparator->setText(Utf8ToQString(settings.ScnInfoFileSeparator));
    txtBVFileSeparator->setText(Utf8ToQString(settings.ScnBVFileSeparator));
    txtVFileSeparator->setText(Utf8ToQString(settings.ScnVFileSeparator));
    txtTVFileSeparator->setText(Utf8ToQString(settings.ScnTVFileSeparator));
    txtLFileSeparator->setText(Utf8ToQString(settings.ScnLFileSeparator));
    txtPrestigeIncrement->setText(Utf8ToQString(DecimalText(settings.PrestigeIncrement)));
}

SettingsRecord frmOptions::Entered() const {
    SettingsRecord entered;
    entered.ScenarioEditorPath = QStringToUtf8(txtRHXaLScenarioEditor->text());
    entered.GameFolder = QStringToUtf8(txtXaLPath->text());
    entered.ScnFileSeparator = QStringToUtf8(txtScenarioFileSeparator->text());
    entered.ScnInfoFileSeparator = QStringToUtf8(txtInfoFileSeparator->text());
    entered.ScnBVFileSeparator = QStringToUtf8(txtBVFileSeparator->text());
    entered.ScnVFileSeparator = QStringToUtf8(txtVFileSeparator->text());
    entered.ScnTVFileSeparator = QStringToUtf8(txtTVFileSeparator->text());
    entered.ScnLFileSeparator = QStringToUtf8(txtLFileSeparator->text());
    // The guard keeps the box a number from 0 to 65000.
    entered.PrestigeIncrement = ToLong(
        ReadBoxNumber(txtPrestigeIncrement->text()).value_or(limits::kDefaultPrestigeIncrement));
    return entered;
}

void frmOptions::cmdSelectRHXaLScenarioEditor_Click() {
    try {
        std::string name = QStringToUtf8(txtRHXaLScenarioEditor->text());
        txtRHXaLScenarioEditor->setText(Utf8ToQString(
            SelectFile(name, FileKind::Application, PickerMode::Select, pickerFolder_)));
    } catch (const RunTimeError&) {
        // A cancelled or failed pick leaves the box as it was.
    }
}

void frmOptions::cmdSelectXaLPath_Click() {
    try {
        // Any file in the folder will do; only its folder is kept.
        std::string name = QStringToUtf8(txtXaLPath->text()) + "xandors.exe";
        const std::string path =
            SelectFile(name, FileKind::Application, PickerMode::Select, pickerFolder_);
        txtXaLPath->setText(
            Utf8ToQString(path.substr(0, path.size() - std::min(name.size(), path.size()))));
    } catch (const RunTimeError&) {
        // A cancelled or failed pick leaves the box as it was.
    }
}

void frmOptions::cmdOK_Click() {
    const SettingsRecord entered = Entered();
    try {
        SaveSettings(entered);
    } catch (const RunTimeError& error) {
        // The dialog stays open with what was typed: the user may try again or cancel.
        platform::ShowMessage(error.Because("The options were not saved.").Report());
        return;
    }
    result_ = entered;
    accept();
}

}  // namespace xal::gui
