// SPDX-License-Identifier: MIT
// The buttons beside the file-name fields: select a file into a field, edit the text file
// a field names, and start the scenario editor on the displayed scenario's file. They
// change the campaign only through the fields.
#include <QGroupBox>
#include <QLabel>

#include "campaign_file/campaign_reader.h"
#include "campaign_file/campaign_writer.h"
#include "campaign_file/select_file.h"
#include "main_window/frm_main.h"
#include "model/campaign_text.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "platform/read_limits.h"
#include "version.h"

namespace xal::gui {
namespace {

// The displayed scenario's file name without its last four characters, its ".scn" ending.
std::string ScenarioBaseName(const std::string& scenarioName) {
    if (scenarioName.size() < 4) Raise(ErrorNumber::InvalidArgument);
    return scenarioName.substr(0, scenarioName.size() - 4);
}

// The text of a campaign's text file. One that is not there yet, in a folder that is, is
// an empty text: the editor creates it only when the user saves it.
std::string TextFileText(const std::string& path, const std::string& folder) {
    try {
        return ReadWholeFile(path, platform::read_limit::kTextFile);
    } catch (const RunTimeError& error) {
        if (error.Number() != ErrorNumber::FileNotFound || !platform::FileExists(folder)) throw;
        return {};
    }
}

}  // namespace

void frmMain::ConnectFileCommands() {
    auto select = [this](QPushButton* button, QLineEdit* box, FileKind kind) {
        connect(button, &QPushButton::clicked, this, [this, box, kind] { SelectInto(box, kind); });
    };
    select(cmdSelectCampaignTXT, txtCampaignTXT, FileKind::Text);
    select(cmdSelectCampaignVictoryMOV, txtCampaignVictoryMOV, FileKind::Movie);
    select(cmdSelectCampaignDefeatMOV, txtCampaignDefeatMOV, FileKind::Movie);
    select(cmdSelectScenario, txtScenario, FileKind::Scenario);
    select(cmdSelectScenarioTXT, txtScenarioTXT, FileKind::Text);
    select(cmdSelectScenarioMOV, txtScenarioMOV, FileKind::Movie);
    for (int k = 0; k < kOutcomeCount; ++k) {
        select(cmdSelectVictoryTXT[k], txtVictoryTXT[k], FileKind::Text);
        select(cmdSelectVictoryMOV[k], txtVictoryMOV[k], FileKind::Movie);
    }

    auto edit = [this](QPushButton* button, QLineEdit* box, std::function<std::string()> name) {
        connect(button, &QPushButton::clicked, this,
                [this, box, name] { EditTextFile(box, name); });
    };
    edit(cmdEditCampaignTXT, txtCampaignTXT,
         [this] { return CampaignTextOfName(document_.Campaign()->CampaignName() + ".txt"); });
    auto scenarioDefault = [this](const std::string SettingsRecord::*separator) {
        return [this, separator] {
            return CampaignTextOfName(
                NameOfCampaignText(ScenarioBaseName(DisplayedScenario().ScenarioName())) +
                settings_.*separator + ".txt");
        };
    };
    edit(cmdEditScenarioTXT, txtScenarioTXT,
         scenarioDefault(&SettingsRecord::ScnInfoFileSeparator));
    for (int k = 0; k < kOutcomeCount; ++k)
        edit(cmdEditVictoryTXT[k], txtVictoryTXT[k], scenarioDefault(kOutcomeTextSeparators[k]));

    connect(cmdEditScenario, &QPushButton::clicked, this, [this] { cmdEditScenario_Click(); });
}

void frmMain::PutFileName(QLineEdit* box, const QString& name) {
    // A step of its own, apart from any typing in the field before or after it.
    document_.CloseStep();
    box->setText(name);
    document_.CloseStep();
    MarkChanged();
}

std::string frmMain::FieldConcerns(const QWidget* box) const {
    QString place;
    for (const QLabel* label :
         box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == box) place = label->text().chopped(label->text().endsWith(':'));
    for (QWidget* around = box->parentWidget(); around != fraMain; around = around->parentWidget())
        if (auto* frame = qobject_cast<QGroupBox*>(around)) place = frame->title() + " > " + place;
    return "Field: " + QStringToUtf8(place);
}

void frmMain::SelectInto(QLineEdit* box, FileKind kind) {
    try {
        std::string name = NameOfCampaignText(FromQString(box->text()));
        SelectFile(name, kind, PickerMode::Select, document_.Campaign()->CampaignFolder());
        PutFileName(box, ToQString(CampaignTextOfName(name)));
    } catch (const RunTimeError& error) {
        // A cancelled choice leaves everything as it was, without a word; a file the
        // campaign cannot name is said, and the field keeps its name.
        if (error.Number() != ErrorNumber::FileDialogCancelled)
            platform::ShowMessage(error.Concerning(FieldConcerns(box)).Report());
    }
}

void frmMain::EditTextFile(QLineEdit* box, const std::function<std::string()>& defaultName) {
    try {
        if (box->text().isEmpty()) PutFileName(box, ToQString(defaultName()));
        const std::string name = FromQString(box->text());
        const std::string folder = document_.Campaign()->CampaignFolder();
        const std::string path = platform::FileInFolder(folder, NameOfCampaignText(name));
        const std::string text = TextFileText(path, folder);
        edtMain->DlgCaption = "Edit " + name;
        edtMain->DlgMode = 1;
        edtMain->DlgText = text;
        edtMain->OKButtonCaption = "&Save";
        edtMain->AskBeforeDiscarding = true;
        edtMain->DlgTextUnsaved = false;
        edtMain->ShowDlg();
        // The text file is not part of the campaign: saving it leaves Save as it was. A
        // write that fails brings the editor back with the text as typed, to try again,
        // or to copy it elsewhere.
        while (edtMain->DlgResult) {
            try {
                WriteWholeFile(path, edtMain->DlgText);
                break;
            } catch (const RunTimeError& error) {
                platform::ShowMessage(error.Report());
                edtMain->DlgTextUnsaved = true;
                edtMain->ShowDlg();
            }
        }
    } catch (const RunTimeError& error) {
        // A file error names its file; a default name the campaign cannot hold, the field.
        platform::ShowMessage(error.Concerning(FieldConcerns(box)).Report());
    }
}

std::string frmMain::ScenarioEditorCommandLine() const {
    const Campaign& campaign = *document_.Campaign();
    return settings_.ScenarioEditorPath + " \"" +
           platform::FileInFolder(campaign.CampaignFolder(),
                                  NameOfCampaignText(DisplayedScenario().ScenarioName())) +
           "\"";
}

void frmMain::cmdEditScenario_Click() {
    // The editor runs on its own; only a failure to start it is said.
    if (!platform::StartProcess(ScenarioEditorCommandLine()))
        platform::ShowMessage(
            "The scenario editor could not be started:\r\n" + settings_.ScenarioEditorPath,
            platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
            version::FileDescription);
}

}  // namespace xal::gui
