// SPDX-License-Identifier: MIT
// The files a campaign names, looked for in the folders the game looks in.
#include <map>
#include <set>

#include "core/base/windows1252.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_check/finding_words.h"
#include "core/model/outcomes.h"
#include "core/platform/file_system.h"

namespace xal {
namespace {

// The files of a folder as a campaign names them, in its code page, found in any capitals.
class FolderFiles {
  public:
    explicit FolderFiles(const std::optional<std::vector<std::string>>& names)
        : readable_(names.has_value()) {
        if (!names) return;
        // A name the code page cannot hold is no name a campaign can give.
        for (const std::string& name : *names)
            if (const std::optional<std::string> held = windows1252::FromUtf8(name))
                spellings_[windows1252::SmallLetters(*held)].insert(*held);
    }

    bool Readable() const { return readable_; }

    // How the folder spells a name in any capitals, in byte order; none when it lacks it.
    const std::set<std::string>* Spellings(const std::string& name) const {
        const auto found = spellings_.find(windows1252::SmallLetters(name));
        return found == spellings_.end() ? nullptr : &found->second;
    }

  private:
    bool readable_;
    std::map<std::string, std::set<std::string>> spellings_;
};

class FileCheck {
  public:
    FileCheck(const Campaign& campaign, const std::string& gameFolder)
        : campaign_(campaign), game_(platform::FileNamesIn(gameFolder, true)) {
        if (!campaign.CampaignFolder().empty() || !campaign.CampaignFile().empty())
            campaignFolder_.emplace(platform::FileNamesIn(campaign.CampaignFolder(), false));
    }

    std::vector<Finding> Run() {
        if (campaignFolder_ && !campaignFolder_->Readable())
            Add({}, {}, {},
                "The campaign's folder cannot be read; the files it should hold were "
                "not looked for.");
        if (!game_.Readable())
            Add({}, {}, {}, "The game's folder cannot be read; no movie was looked for under it.");
        LookFor({}, {}, Field::CampaignTXT, "The campaign's text file", campaign_.CampaignTXT());
        LookFor({}, {}, Field::CampaignVictoryMOV, "The campaign's victory movie",
                campaign_.VictoryMOV());
        LookFor({}, {}, Field::CampaignDefeatMOV, "The campaign's defeat movie",
                campaign_.DefeatMOV());
        int nr = 0;
        for (const auto& scenario : *campaign_.Scenarios()) {
            const std::string who = ScenarioWords(static_cast<std::size_t>(nr), *scenario);
            LookFor(nr, {}, Field::ScenarioFile, who + ": its scenario file",
                    scenario->ScenarioName());
            LookFor(nr, {}, Field::ScenarioTXT, who + ": its text file", scenario->ScenarioTXT());
            LookFor(nr, {}, Field::ScenarioMOV, who + ": its movie", scenario->ScenarioMOV());
            int k = 0;
            for (const auto& outcome : *scenario->Victories()) {
                if (k == kOutcomeCount) break;
                const std::string what = who + ", " + kOutcomes[k].word + ": its ";
                LookFor(nr, k, Field::OutcomeTXT, what + "text file", outcome->VictoryTXT());
                LookFor(nr, k, Field::OutcomeMOV, what + "movie", outcome->VictoryMOV());
                ++k;
            }
            ++nr;
        }
        return std::move(findings_);
    }

  private:
    void Add(std::optional<int> scenario, std::optional<int> outcome, std::optional<Field> field,
             std::string text) {
        findings_.push_back({Severity::Warning, scenario, outcome, std::move(text), field});
    }

    // Says so when the file named is not where the game looks for it, or is there only with
    // other capitals; says nothing when a folder it may be in cannot be read.
    void LookFor(std::optional<int> scenario, std::optional<int> outcome, Field field,
                 const std::string& what, const std::string& name) {
        if (name.empty()) return;
        std::vector<const FolderFiles*> folders;
        if (campaignFolder_) folders.push_back(&*campaignFolder_);
        if (IsMovieField(field)) folders.push_back(&game_);
        std::optional<std::string> otherCapitals;
        for (const FolderFiles* folder : folders) {
            if (!folder->Readable()) return;
            const std::set<std::string>* spellings = folder->Spellings(name);
            if (!spellings) continue;
            if (spellings->contains(name)) return;
            if (!otherCapitals) otherCapitals = *spellings->begin();
        }
        if (folders.empty()) return;
        const std::string missing = !IsMovieField(field) ? "is not in the campaign's folder"
                                    : campaignFolder_
                                        ? "is neither in the campaign's folder nor under the "
                                          "game's folder"
                                        : "is not under the game's folder";
        Add(scenario, outcome, field,
            what + " \"" + name + "\" " +
                (otherCapitals ? "is there only as \"" + *otherCapitals + "\"" : missing) + ".");
    }

    const Campaign& campaign_;
    std::optional<FolderFiles> campaignFolder_;  // none for a campaign that has no folder yet
    FolderFiles game_;
    std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckGameFiles(const Campaign& campaign, const std::string& gameFolder) {
    if (gameFolder.empty()) return {};
    return FileCheck(campaign, gameFolder).Run();
}

}  // namespace xal
