// SPDX-License-Identifier: MIT
#include "gui/main_window/file_commands.h"

#include <QGroupBox>
#include <QLabel>

#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/campaign_text.h"
#include "core/platform/file_system.h"
#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

// A scenario's file name without its last four characters, its ".scn" ending.
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

std::string FieldConcerns(const QWidget* box) {
    QString place;
    for (const QLabel* label :
         box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == box) place = label->text().chopped(label->text().endsWith(':'));
    QStringList frames;
    for (const QWidget* around = box->parentWidget(); around; around = around->parentWidget())
        if (const auto* frame = qobject_cast<const QGroupBox*>(around))
            frames.prepend(frame->title());
    // The outermost frame is the campaign's own, named after its file.
    if (!frames.isEmpty()) frames.removeFirst();
    frames.append(place);
    return "Field: " + QStringToUtf8(frames.join(" > "));
}

FileCommands::FileCommands(const CampaignDocument& document, const SettingsRecord& settings,
                           ucEdit& editor)
    : document_(document), settings_(settings), editor_(editor) {}

void FileCommands::SelectInto(FieldBinding& binding, QLineEdit* box, FileKind kind) {
    try {
        std::string name = NameOfCampaignText(FromQString(box->text()));
        SelectFile(name, kind, PickerMode::Select, document_.Campaign()->CampaignFolder());
        binding.Put(box, ToQString(CampaignTextOfName(name)));
    } catch (const RunTimeError& error) {
        // A cancelled choice leaves everything as it was, without a word; a file the
        // campaign cannot name is said, and the field keeps its name.
        if (error.Number() != ErrorNumber::FileDialogCancelled)
            platform::ShowMessage(error.Concerning(FieldConcerns(box)).Report());
    }
}

std::string FileCommands::ScenarioTextName(Byte scenario,
                                           const std::string SettingsRecord::*separator) const {
    return CampaignTextOfName(NameOfCampaignText(ScenarioBaseName(
                                  document_.Campaign()->ScenarioAt(scenario)->ScenarioName())) +
                              settings_.*separator + ".txt");
}

void FileCommands::EditTextFile(FieldBinding& binding, QLineEdit* box,
                                const std::function<std::string()>& defaultName) {
    try {
        if (box->text().isEmpty()) binding.Put(box, ToQString(defaultName()));
        const std::string name = FromQString(box->text());
        const std::string folder = document_.Campaign()->CampaignFolder();
        const std::string path = platform::FileInFolder(folder, NameOfCampaignText(name));
        const std::string text = TextFileText(path, folder);
        editor_.DlgCaption = "Edit " + name;
        editor_.DlgMode = 1;
        editor_.DlgText = text;
        editor_.OKButtonCaption = "&Save";
        editor_.AskBeforeDiscarding = true;
        editor_.DlgTextUnsaved = false;
        editor_.ShowDlg();
        // The text file is not part of the campaign: saving it leaves Save as it was. A
        // write that fails brings the editor back with the text as typed, to try again,
        // or to copy it elsewhere.
        while (editor_.DlgResult) {
            try {
                WriteWholeFile(path, editor_.DlgText);
                break;
            } catch (const RunTimeError& error) {
                platform::ShowMessage(error.Report());
                editor_.DlgTextUnsaved = true;
                editor_.ShowDlg();
            }
        }
    } catch (const RunTimeError& error) {
        // A file error names its file; a default name the campaign cannot hold, the field.
        platform::ShowMessage(error.Concerning(FieldConcerns(box)).Report());
    }
}

std::string FileCommands::ScenarioEditorCommandLine(Byte scenario) const {
    const Campaign& campaign = *document_.Campaign();
    return settings_.ScenarioEditorPath + " \"" +
           platform::FileInFolder(
               campaign.CampaignFolder(),
               NameOfCampaignText(campaign.ScenarioAt(scenario)->ScenarioName())) +
           "\"";
}

void FileCommands::StartScenarioEditor(Byte scenario) const {
    // The editor runs on its own; only a failure to start it is said.
    if (!platform::StartProcess(ScenarioEditorCommandLine(scenario)))
        platform::ShowMessage(
            "The scenario editor could not be started:\r\n" + settings_.ScenarioEditorPath,
            platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
            version::FileDescription);
}

}  // namespace xal::gui
