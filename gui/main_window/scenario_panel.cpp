// SPDX-License-Identifier: MIT
#include "gui/main_window/scenario_panel.h"

#include <utility>

#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

using Change = DocumentChange;

constexpr FieldRow kRows[] = {
    {"Scenario SCN File:",
     {360, 270, 1335, 255},
     "txtScenario",
     {1800, 240, 1935, 285},
     "(Required) Select scenario file. This can be any .scn file.",
     Field::ScenarioFile,
     Rule::ScenarioFile,
     {{{"cmdSelectScenario", {3840, 240, 300, 285}, Command::Select, "Select scenario"},
       {"cmdEditScenario",
        {4200, 240, 300, 285},
        Command::EditScenario,
        "Edit scenario with RH XaL Editor"}}}},
    {"Intro TXT File:",
     {360, 630, 1320, 255},
     "txtScenarioTXT",
     {1800, 600, 1935, 285},
     "(Highly Recommended, but Optional) Select text file. This can be any .txt file.",
     Field::ScenarioTXT,
     Rule::TextFile,
     {{{"cmdSelectScenarioTXT",
        {3840, 600, 300, 285},
        Command::Select,
        "Select scenario intro TXT file"},
       {"cmdEditScenarioTXT",
        {4200, 600, 300, 285},
        Command::EditText,
        "Edit scenario intro TXT file"}}}},
    {"MOV File:",
     {360, 990, 1335, 255},
     "txtScenarioMOV",
     {1800, 960, 1935, 285},
     "(Optional) Select movie file. This can be any .mov file.",
     Field::ScenarioMOV,
     Rule::MovieFile,
     {{{"cmdSelectScenarioMOV",
        {3840, 960, 300, 285},
        Command::Select,
        "Select scenario MOV file"}}}},
    {"Max prestige:",
     {360, 1350, 1335, 255},
     "txtScenarioPrestige",
     {1800, 1320, 615, 285},
     "This is the maximum prestige allowed at the beginning of the scenario, though the player "
     "can gain more during the scenario.",
     Field::ScenarioPrestige,
     Rule::Prestige},
};

}  // namespace

ScenarioPanel::ScenarioPanel(CampaignDocument& document, const ShownScenario& shown,
                             FileCommands& files, QWidget* parent)
    : CaptionFrame("Scenario", parent),
      document_(document),
      shown_(shown),
      binding_(
          document,
          [&shown] {
              return FieldPlace{shown.Number(), 0};
          },
          this),
      commands_{files,
                [&files, &shown] {
                    return files.ScenarioTextName(shown.Number(),
                                                  &SettingsRecord::ScnInfoFileSeparator);
                },
                [&files, &shown] { files.StartScenarioEditor(shown.Number()); }} {
    Place(this, "fraScenario", {3240, 1320, 8295, 4815});
    AddRows(
        this, kRows, binding_, [](const char* text) { return QString(text); }, commands_);
    editScenario_ = findChild<QPushButton*>("cmdEditScenario");
    for (int k = 0; k < kOutcomeCount; ++k)
        outcomes_[k] = new OutcomePanel(k, document, shown, files, this);
}

void ScenarioPanel::Draw(const DocumentChange& change, bool another) {
    const int count = document_.Campaign()->NrOfScenarios();
    if (count == 0) return;
    if (change.Has(Change::kReplaced | Change::kScenarioList)) ShowGoToChoices(count);
    if (another || change.Has(Change::kReplaced | Change::kScenarioList | Change::kScenarios |
                              Change::kRestored))
        return DrawAll();
    if (!change.Has(Change::kField) || change.place.scenario != shown_.Number()) return;
    if (LevelOf(change.field) == FieldLevel::Scenario) binding_.Draw(change.field);
    if (LevelOf(change.field) == FieldLevel::Outcome)
        outcomes_[change.place.outcome]->Draw(change.field);
}

void ScenarioPanel::DrawAll() {
    SetCaption("Scenario " + ToQString(DecimalText(shown_.Number())));
    binding_.DrawAll();
    for (OutcomePanel* outcome : outcomes_) outcome->DrawAll();
}

void ScenarioPanel::MarkFiles(const std::vector<Finding>& findings) {
    binding_.MarkFiles(findings);
    for (OutcomePanel* outcome : outcomes_) outcome->MarkFiles(findings);
}

void ScenarioPanel::ShowGoToChoices(int count) {
    // A campaign of hundreds of scenarios makes its choices once, not at each edit.
    if (goToChoices_ && goToChoices_->rowCount() == count + 1) return;
    QList<QStandardItem*> entries;
    entries << new QStandardItem("END/SCORE");
    entries.back()->setData(int{Victory::EndOfCampaign}, Qt::UserRole);
    for (int i = 0; i < count; ++i) {
        entries << new QStandardItem(ToQString(DecimalText(i)));
        entries.back()->setData(i, Qt::UserRole);
    }
    auto* choices = new QStandardItemModel(this);
    choices->invisibleRootItem()->appendRows(entries);
    for (OutcomePanel* outcome : outcomes_) outcome->UseGoToChoices(choices);
    delete std::exchange(goToChoices_, choices);
}

}  // namespace xal::gui
