// SPDX-License-Identifier: MIT
#include "gui/main_window/outcome_panel.h"

#include "core/model/outcomes.h"
#include "core/settings/settings.h"

namespace xal::gui {
namespace {

// Where each outcome's frame is, and how its tool tips say what befalls the player.
struct OutcomePlace {
    Twips at;
    const char* achieves;
    const char* afterwards;
};
constexpr OutcomePlace kPlaces[kOutcomeCount] = {
    {{120, 1680, 3975, 1455}, "achieves a brilliant victory", "achieving a brilliant victory"},
    {{4200, 1680, 3975, 1455}, "achieves a victory", "achieving a victory"},
    {{120, 3240, 3975, 1455}, "achieves a tactical victory", "achieving a tactical victory"},
    {{4200, 3240, 3975, 1455}, "loses the scenario", "suffering a defeat"},
};

// Inside each frame: "{n}" is the outcome's number, "{outcome}" its word.
constexpr FieldRow kRows[] = {
    {"TXT File:",
     {120, 270, 855, 255},
     "txtVictoryTXT_{n}",
     {1080, 240, 1935, 285},
     "(Highly Recommended, but Optional) Text file displayed when the player {achieves}. This "
     "can be any .txt file.",
     Field::OutcomeTXT,
     Rule::TextFile,
     {{{"cmdSelectVictoryTXT_{n}",
        {3120, 240, 300, 285},
        Command::Select,
        "Select {outcome} TXT file"},
       {"cmdEditVictoryTXT_{n}",
        {3480, 240, 300, 285},
        Command::EditText,
        "Edit {outcome} TXT file"}}}},
    {"MOV File:",
     {120, 630, 855, 255},
     "txtVictoryMOV_{n}",
     {1080, 600, 1935, 285},
     "(Optional) Select movie file. This can be any .mov file.",
     Field::OutcomeMOV,
     Rule::MovieFile,
     {{{"cmdSelectVictoryMOV_{n}",
        {3120, 600, 300, 285},
        Command::Select,
        "Select {outcome} MOV file"}}}},
    {"Prestige:",
     {120, 990, 855, 255},
     "txtVictoryPrestige_{n}",
     {1080, 960, 615, 285},
     "This is the cumulative amount of prestige (for the entire campaign thusfar) that will be "
     "awarded to the player on the next scenario.",
     Field::OutcomePrestige,
     Rule::Prestige},
    {"Go to:",
     {1800, 990, 495, 255},
     "cbxVictoryGoto_{n}",
     {2400, 960, 1410, 315},
     "After {afterwards}, go to...",
     Field::OutcomeGoTo,
     Rule::Pick},
};

}  // namespace

OutcomePanel::OutcomePanel(int outcome, CampaignDocument& document, const ShownScenario& shown,
                           FileCommands& files, QWidget* parent)
    : CaptionFrame(kOutcomes[outcome].caption, parent),
      binding_(
          document,
          [&shown, outcome] {
              return FieldPlace{shown.Number(), static_cast<Byte>(outcome)};
          },
          this),
      commands_{files,
                [&files, &shown, outcome] {
                    return files.ScenarioTextName(shown.Number(), kOutcomeTextSeparators[outcome]);
                },
                {}} {
    const OutcomePlace& place = kPlaces[outcome];
    Place(this, QString("fraVictory_%1").arg(outcome), place.at);
    auto text = [&](const char* row) {
        return QString(row)
            .replace("{n}", QString::number(outcome))
            .replace("{outcome}", kOutcomes[outcome].commandWord)
            .replace("{achieves}", place.achieves)
            .replace("{afterwards}", place.afterwards);
    };
    AddRows(this, kRows, binding_, text, commands_);
    goTo_ = findChild<QComboBox*>(text("cbxVictoryGoto_{n}"));
}

}  // namespace xal::gui
