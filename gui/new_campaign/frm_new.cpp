// SPDX-License-Identifier: MIT
#include "gui/new_campaign/frm_new.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/base/number_text.h"
#include "core/model/campaign_limits.h"
#include "core/platform/prompts.h"
#include "gui/widgets/caption_frame.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/number_guard.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

QLineEdit* AddBox(QFormLayout* form, const char* name, const char* label, const char* toolTip) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    form->addRow(label, box);
    return box;
}

QFormLayout* AddGroup(QVBoxLayout* column, const char* name, const char* caption) {
    auto* group = new CaptionFrame(caption, nullptr);
    group->setObjectName(name);
    column->addWidget(group);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

}  // namespace

frmNew::frmNew(const SettingsRecord& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("frmNew");
    BuildLayout();
    Form_Load();
}

void frmNew::BuildLayout() {
    setWindowTitle("New campaign");
    auto* column = new QVBoxLayout(this);

    QFormLayout* general = AddGroup(column, "fraGeneral", "General campaign settings:");
    txtCampaignName =
        AddBox(general, "txtCampaignName", "Campaign name:", "Enter a name for the new campaign");
    txtInfo =
        AddBox(general, "txtInfo",
               "Info text:", "This text is appended to scenarios names, to designate an info file");
    txtWin = AddBox(general, "txtWin", "Win text:",
                    "This text is appended to scenarios names, to designate a victory file");
    txtLoss =
        AddBox(general, "txtLoss",
               "Loss text:", "This text is appended to scenarios names, to designate a loss file");
    txtNrOfScenarios = AddBox(general, "txtNrOfScenarios",
                              "Nr of scenarios:", "Number of scenarios in the new campaign");

    QFormLayout* scenario = AddGroup(column, "fraScenario", "Scenario settings:");
    txtINIMax =
        AddBox(scenario, "txtINIMax", "Initial MAX prestige:",
               "This is the maximum prestige allowed at the beginning of the first scenario.");
    chkGoto = new QCheckBox("Scenario loss immediately loses campaign");
    chkGoto->setObjectName("chkGoto");
    chkGoto->setToolTip(
        "Select this switch, if you want your new campaign to end when the player loses a "
        "scenario");
    scenario->addRow(chkGoto);

    QFormLayout* increments = AddGroup(column, "fraIncrement", "Incremental prestige settings:");
    txtINCMAX = AddBox(
        increments, "txtINCMAX",
        "MAX:", "This is the increase of maximum prestige allowed at the beginning of a scenario.");
    txtINCBV = AddBox(
        increments, "txtINCBV",
        "BV:", "This is the increase of maximum prestige gained through a brilliant victory");
    txtINCV = AddBox(increments, "txtINCV",
                     "V:", "This is the increase of maximum prestige gained through a victory");
    txtINCTV =
        AddBox(increments, "txtINCTV",
               "TV:", "This is the increase of maximum prestige gained through a tactical victory");
    txtINCL = AddBox(increments, "txtINCL",
                     "L:", "This is the increase of maximum prestige gained despite a loss");

    const DialogButtons buttons = AddDialogButtons(column, "&Cancel");
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    edtErrors = new ucEdit(this);
    edtErrors->setObjectName("edtErrors");
    edtErrors->hide();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmNew::reject);
}

void frmNew::Form_Load() {
    // The numbers start at the generation's defaults, which a box that is no number gets back.
    const NewCampaignInput defaults;
    const std::pair<QLineEdit*, const std::string*> prestige[] = {
        {txtINIMax, &defaults.InitialMaxText}, {txtINCMAX, &defaults.IncMaxText},
        {txtINCBV, &defaults.IncBVText},       {txtINCV, &defaults.IncVText},
        {txtINCTV, &defaults.IncTVText},       {txtINCL, &defaults.IncLText}};
    const QString scenarios = Utf8ToQString(defaults.NrOfScenariosText);
    GuardNumberBox(txtNrOfScenarios, limits::kWizardScenarios, scenarios);
    for (const auto& [box, value] : prestige)
        GuardNumberBox(box, limits::kEditorPrestige, Utf8ToQString(*value));

    txtCampaignName->setText(Utf8ToQString(defaults.CampaignNameText));
    txtInfo->setText(Utf8ToQString(settings_.ScnInfoFileSeparator));
    txtWin->setText(Utf8ToQString(settings_.ScnVFileSeparator));
    txtLoss->setText(Utf8ToQString(settings_.ScnLFileSeparator));
    txtNrOfScenarios->setText(scenarios);
    chkGoto->setChecked(defaults.LossEndsCampaign);
    for (const auto& [box, value] : prestige) box->setText(Utf8ToQString(*value));
}

NewCampaignInput frmNew::Input() const {
    NewCampaignInput input;
    input.CampaignNameText = QStringToUtf8(txtCampaignName->text());
    input.NrOfScenariosText = QStringToUtf8(txtNrOfScenarios->text());
    input.InfoText = QStringToUtf8(txtInfo->text());
    input.WinText = QStringToUtf8(txtWin->text());
    input.LossText = QStringToUtf8(txtLoss->text());
    input.InitialMaxText = QStringToUtf8(txtINIMax->text());
    input.IncMaxText = QStringToUtf8(txtINCMAX->text());
    input.IncBVText = QStringToUtf8(txtINCBV->text());
    input.IncVText = QStringToUtf8(txtINCV->text());
    input.IncTVText = QStringToUtf8(txtINCTV->text());
    input.IncLText = QStringToUtf8(txtINCL->text());
    input.LossEndsCampaign = chkGoto->isChecked();
    input.Format = LocaleNumberFormat();
    return input;
}

void frmNew::cmdOK_Click() {
    const NewCampaignInput input = Input();
    if (RoundHalfEven(ReadNumber(input.NrOfScenariosText, input.Format).value_or(0)) < 1) {
        platform::ShowMessage("A new campaign needs at least 1 scenario.",
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        txtNrOfScenarios->setFocus();
        txtNrOfScenarios->selectAll();
        return;
    }
    std::shared_ptr<Campaign> generated;
    try {
        generated = std::make_shared<Campaign>(GenerateCampaign(input, settings_));
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
        return;
    }
    const std::string errors = CheckNewCampaign(*generated);
    if (!errors.empty()) {
        ucEdit& errorList = *edtErrors;
        errorList.DlgText = errors;
        errorList.DlgCaption = "Error(s) creating new campaign";
        errorList.DlgMode = 1;
        errorList.OKButtonCaption = "OK";
        errorList.ShowDlg();
        return;
    }
    result_ = generated;
    accept();
}

}  // namespace xal::gui
