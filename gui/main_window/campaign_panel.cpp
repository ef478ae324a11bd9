// SPDX-License-Identifier: MIT
#include "gui/main_window/campaign_panel.h"

#include "core/model/campaign_text.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

using Change = DocumentChange;

const char* const kMovieToolTip = "(Optional) Select movie file. This can be any .mov file.";

constexpr FieldRow kRows[] = {
    {"Number of scenarios:",
     {240, 270, 2175, 255},
     "txtCampaignNrOfScenarios",
     {2520, 240, 615, 285},
     "Number of scenarios in this campaign",
     Field::ScenarioCount,
     Rule::Shown},
    {"Prestige at start of campaign:",
     {240, 630, 2175, 255},
     "txtCampaignPrestige",
     {2520, 600, 615, 285},
     "Prestige at start of campaign",
     Field::CampaignPrestige,
     Rule::Prestige},
    {"MOV file for winning:",
     {3240, 270, 1695, 255},
     "txtCampaignVictoryMOV",
     {5040, 240, 1935, 285},
     kMovieToolTip,
     Field::CampaignVictoryMOV,
     Rule::MovieFile,
     {{{"cmdSelectCampaignVictoryMOV",
        {7080, 240, 300, 285},
        Command::Select,
        "Select campaign victory MOV file"}}}},
    {"MOV file for losing:",
     {3240, 630, 1695, 255},
     "txtCampaignDefeatMOV",
     {5040, 600, 1935, 285},
     kMovieToolTip,
     Field::CampaignDefeatMOV,
     Rule::MovieFile,
     {{{"cmdSelectCampaignDefeatMOV",
        {7080, 600, 300, 285},
        Command::Select,
        "Select campaign loss MOV file"}}}},
    {"Campaign intro TXT file:",
     {3240, 990, 1695, 255},
     "txtCampaignTXT",
     {5040, 960, 1935, 285},
     "(Required) Select text file. This can be any .txt file.",
     Field::CampaignTXT,
     Rule::TextFile,
     {{{"cmdSelectCampaignTXT", {7080, 960, 300, 285}, Command::Select, "Select campaign TXT file"},
       {"cmdEditCampaignTXT",
        {7440, 960, 300, 285},
        Command::EditText,
        "Edit campaign TXT file"}}}},
    {"Country:",
     {7800, 270, 975, 255},
     "cbxCountry",
     {8880, 240, 2490, 315},
     "Select country",
     Field::Country,
     Rule::Pick},
};

}  // namespace

CampaignPanel::CampaignPanel(CampaignDocument& document, const ShownScenario& shown,
                             FileCommands& files, std::function<void(int)> show, QWidget* parent)
    : CaptionFrame("Campaign", parent),
      binding_(
          document, [] { return FieldPlace{}; }, this),
      commands_{
          files,
          [&document] { return CampaignTextOfName(document.Campaign()->CampaignName() + ".txt"); },
          {}} {
    Place(this, "fraMain", {120, 480, 11685, 6735});
    AddRows(
        this, kRows, binding_, [](const char* text) { return QString(text); }, commands_);
    countries_ = findChild<QComboBox*>("cbxCountry");
    list_ = new ScenarioList(document, std::move(show), this);
    scenario_ = new ScenarioPanel(document, shown, files, this);
}

void CampaignPanel::AddCountries(const std::vector<std::string>& names) {
    int k = 0;
    for (const std::string& name : names) countries_->addItem(ToQString(name), ++k);
    // Filling the list is no pick: no country is shown until a campaign is.
    countries_->setCurrentIndex(-1);
}

std::string CampaignPanel::CountryName(int country) const {
    const int entry = countries_->findData(country);
    return entry < 0 ? std::string() : FromQString(countries_->itemText(entry));
}

void CampaignPanel::Draw(const DocumentChange& change, bool another) {
    if (change.Has(Change::kReplaced | Change::kScenarioList))
        binding_.DrawAll();
    else if (change.Has(Change::kField) && LevelOf(change.field) == FieldLevel::Campaign)
        binding_.Draw(change.field);
    list_->Draw(change);
    scenario_->Draw(change, another);
}

void CampaignPanel::ShowScenario(int scenarioNr, bool another) {
    list_->Select(scenarioNr);
    if (another) scenario_->DrawAll();
}

void CampaignPanel::MarkFiles(const std::vector<Finding>& findings) {
    binding_.MarkFiles(findings);
    scenario_->MarkFiles(findings);
}

}  // namespace xal::gui
