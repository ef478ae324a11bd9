// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_document/campaign_document.h"
#include "core/campaign_document/shown_scenario.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/campaign_limits.h"
#include "core/model/campaign_snapshot.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

using Command = std::function<void(CampaignDocument&)>;
using Change = DocumentChange;

// A document of a campaign of `count` scenarios, which records every notice it gives.
struct Opened {
    explicit Opened(int count) {
        document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(count)));
        notices.clear();
    }
    std::string Bytes() const { return BuildCampaignFile(*document.Campaign()); }
    int UndoAll() {
        int steps = 0;
        for (; document.CanUndo(); ++steps) document.Undo();
        return steps;
    }

    CampaignDocument document;
    std::vector<Change> notices;
    const CampaignDocument::Subscription heard =
        document.Subscribe([this](const Change& change) { notices.push_back(change); });
};

TEST(CampaignDocument, EveryCommandIsOneStepToldInOneNoticeAndUndoneToTheBytesBefore) {
    static constexpr FieldPlace kLast{3, 3}, kFirst{0, 0}, kMiddle{1, 2};
    static constexpr std::nullopt_t kNone = std::nullopt;
    // The command, its caption, what its notice tells besides the history and the flag, the
    // scenario the notice names, the scenario to show after undo and after redo.
    const std::tuple<Command, std::string, unsigned, std::optional<Byte>, std::optional<Byte>,
                     std::optional<Byte>>
        cases[] = {
            {[](auto& d) { d.AddScenario(); }, "Add scenario", Change::kScenarioList, 5, 4, 5},
            {[](auto& d) { d.MoveScenario(3, MoveDirection::Up); }, "Move scenario 3 up",
             Change::kScenarioList, 2, 2, 2},
            {[](auto& d) { d.DeleteScenario(4); }, "Delete scenario 4", Change::kScenarioList,
             kNone, 4, 3},
            {[](auto& d) { d.AdjustPrestige(CampaignUp, 100, 1); }, "Raise all prestige",
             Change::kScenarios, kNone, 1, 1},
            {[](auto& d) { d.SetNumber(Field::Country, kLast, 9); }, "Choose country",
             Change::kField, kNone, kNone, kNone},
            {[](auto& d) { d.SetNumber(Field::OutcomeGoTo, kMiddle, 254); }, "Choose go-to",
             Change::kField, kNone, 1, 1},
            {[](auto& d) { d.SetText(Field::CampaignTXT, kLast, "x"); }, "Edit campaign TXT file",
             Change::kField, kNone, kNone, kNone},
            {[](auto& d) { d.SetText(Field::OutcomeMOV, kLast, "x"); }, "Edit defeat MOV file",
             Change::kField, kNone, 3, 3},
            {[](auto& d) { d.SetNumber(Field::OutcomePrestige, kFirst, 5); },
             "Edit brilliant victory prestige", Change::kField, kNone, 0, 0},
            {[](auto& d) { d.SendOutcomes(3, {0}, limits::kEndOfCampaign); },
             "Send scenario 3's brilliant victory to END", Change::kField, kNone, 3, 3},
            {[](auto& d) {
                 d.SendOutcomes(1, {0, 2, 3}, 4);
             },
             "Send scenario 1's brilliant victory, tactical victory and loss to scenario 4",
             Change::kScenarios, kNone, 1, 1},
        };
    for (const auto& [command, caption, parts, told, afterUndo, afterRedo] : cases) {
        SCOPED_TRACE(caption);
        Opened opened(5);
        CampaignDocument& document = opened.document;
        const std::string before = opened.Bytes();
        command(document);
        const std::string after = opened.Bytes();
        ASSERT_NE(after, before);
        ASSERT_EQ(opened.notices.size(), 1u);
        EXPECT_EQ(opened.notices[0].parts, parts | Change::kHistory | Change::kUnsaved);
        EXPECT_EQ(opened.notices[0].scenario, told);
        EXPECT_EQ(document.UndoText(), caption);
        EXPECT_EQ(document.Undo().scenario, afterUndo);
        EXPECT_EQ(opened.Bytes(), before);
        EXPECT_EQ(opened.notices.back().parts, parts | Change::kHistory | Change::kRestored);
        EXPECT_EQ(opened.notices.back().scenario, afterUndo);
        EXPECT_EQ(document.RedoText(), caption);
        EXPECT_EQ(document.Redo().scenario, afterRedo);
        EXPECT_EQ(opened.Bytes(), after);
        EXPECT_EQ(opened.UndoAll(), 1);
    }
}

TEST(CampaignDocument, AFieldIsToldWithItsPlaceAndTheFlagAndFileOnlyWhenTheyChange) {
    Opened opened(3);
    CampaignDocument& document = opened.document;
    document.SetText(Field::ScenarioTXT, {2, 3}, "a.txt");
    document.SetText(Field::ScenarioTXT, {2, 3}, "a.txt");  // no change: no notice
    document.SetUnsavedChanges(true);
    ASSERT_EQ(opened.notices.size(), 1u);
    EXPECT_EQ(opened.notices[0].field, Field::ScenarioTXT);
    EXPECT_EQ(opened.notices[0].place, (FieldPlace{2, 0})) << "a scenario field has no outcome";
    document.Saved();
    document.SetUnsavedChanges(true);
    document.Replace(std::make_shared<Campaign>(), true);
    const unsigned expected[] = {
        Change::kField | Change::kHistory | Change::kUnsaved, Change::kFile | Change::kUnsaved,
        Change::kUnsaved, Change::kReplaced | Change::kFile | Change::kUnsaved | Change::kHistory};
    ASSERT_EQ(opened.notices.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(opened.notices[i].parts, expected[i]) << i;
    EXPECT_TRUE(document.HasUnsavedChanges());

    const auto gone = std::exchange(opened.notices, {});
    CampaignDocument::Subscription dropped = document.Subscribe([](const Change&) { FAIL(); });
    dropped.reset();
    document.SetUnsavedChanges(false);
    EXPECT_EQ(opened.notices.size(), 1u) << "a dropped listener hears nothing";
}

void Type(CampaignDocument& d, Byte scenario, const std::string& text) {
    d.SetText(Field::ScenarioFile, {scenario, 0}, text);
}

TEST(CampaignDocument, MergesTypingInOneFieldUntilAnotherStepUndoOrRedoComesBetween) {
    const Command a = [](auto& d) { Type(d, 1, "a"); };
    const Command ab = [](auto& d) { Type(d, 1, "ab"); };
    const Command inOther = [](auto& d) { Type(d, 2, "a"); };
    const Command country1 = [](auto& d) { d.SetNumber(Field::Country, {}, 1); };
    const Command country2 = [](auto& d) { d.SetNumber(Field::Country, {}, 2); };
    const Command undo = [](auto& d) { d.Undo(); };
    const Command redo = [](auto& d) { d.Redo(); };
    const Command add = [](auto& d) { d.AddScenario(); };
    const Command goTo0 = [](auto& d) { d.SetNumber(Field::OutcomeGoTo, {1, 0}, 0); };
    const Command goTo1 = [](auto& d) { d.SetNumber(Field::OutcomeGoTo, {1, 1}, 0); };
    const Command unchanged = [](auto& d) { Type(d, 1, "camp11.scn"); };
    const std::pair<std::vector<Command>, int> cases[] = {
        {{a, ab, a}, 1},          {{a, country1, ab}, 3},    {{a, inOther}, 2},
        {{goTo0, goTo1}, 2},      {{country1, country2}, 1}, {{a, country1, undo, country2}, 2},
        {{a, undo, redo, ab}, 2}, {{add, add}, 2},           {{unchanged}, 0},
    };
    int row = 0;
    for (const auto& [commands, steps] : cases) {
        SCOPED_TRACE(row++);
        Opened opened(3);
        const std::string before = opened.Bytes();
        for (const auto& command : commands) command(opened.document);
        EXPECT_FALSE(opened.document.CanRedo()) << "an edit drops the steps to redo";
        EXPECT_EQ(opened.UndoAll(), steps);
        EXPECT_EQ(opened.Bytes(), before);
    }
}

TEST(CampaignDocument, ReplaceEmptiesTheHistoryAndEndsMerging) {
    Opened opened(3);
    CampaignDocument& document = opened.document;
    document.SetNumber(Field::Country, {}, 1);
    Type(document, 1, "a");
    document.Undo();
    document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(4)));
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.HasUnsavedChanges());
    EXPECT_EQ(test::ErrorOf([&] { document.Redo(); }), 5);
    Type(document, 1, "a");
    document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(3)));
    Type(document, 1, "ab");
    EXPECT_EQ(opened.UndoAll(), 1) << "no merging across a Replace";
    Type(document, 1, "a");
    document.CloseStep();
    Type(document, 1, "ab");
    EXPECT_EQ(opened.UndoAll(), 2) << "a closed step takes no more typing";
}

TEST(CampaignDocument, AFailingChangeLeavesTheCampaignAndTheHistoryAsTheyWere) {
    const std::tuple<int, Command, int> cases[] = {
        {255, [](auto& d) { d.AddScenario(); }, 6},
        {3,
         [](auto& d) {
             d.SetText(Field::OutcomeTXT, {1, 4}, "x");
         },
         9},
        {3,
         [](auto& d) {
             d.SetNumber(Field::OutcomeGoTo, {1, 0}, 256);
         },
         6},
        {3, [](auto& d) { d.SetNumber(Field::ScenarioCount, {}, 2); }, 5},
        {1, [](auto& d) { d.DeleteScenario(0); }, 5},
        {3, [](auto& d) { d.MoveScenario(0, MoveDirection::Up); }, 9},
        {3, [](auto& d) { d.MoveScenario(2, MoveDirection::Down); }, 9},
        {3, [](auto& d) { d.SetText(Field::CampaignPrestige, {}, "2"); }, 5},
        {3, [](auto& d) { d.SendOutcomes(0, {3}, 3); }, 9},
        {3,
         [](auto& d) {
             d.SendOutcomes(0, {1, 1}, 2);
         },
         9},
        {3, [](auto& d) { d.SendOutcomes(3, {1}, 2); }, 9},
        {3,
         [](auto& d) {
             d.Edit({"Break", 0, {}}, {}, [](Campaign& c) {
                 c.ScenarioAt(0)->Victories()->Item(1)->SetVictoryTXT("changed");
                 c.Scenarios()->Remove(1);
                 Raise(ErrorNumber::InvalidArgument);
             });
         },
         5},
    };
    int row = 0;
    for (const auto& [count, command, error] : cases) {
        SCOPED_TRACE(row++);
        Opened opened(count);
        CampaignDocument& document = opened.document;
        document.SetNumber(Field::Country, {}, 1);
        document.Undo();
        const CampaignSnapshot before(*document.Campaign());
        const std::size_t told = opened.notices.size();
        EXPECT_EQ(test::ErrorOf([&] { command(document); }), error);
        EXPECT_TRUE(before.Holds(*document.Campaign()));
        EXPECT_FALSE(document.CanUndo());
        EXPECT_TRUE(document.CanRedo());
        EXPECT_EQ(opened.notices.size(), told);
    }
}

TEST(CampaignDocument, UndoKeepsTheFileTheCampaignWasSavedTo) {
    Opened opened(3);
    CampaignDocument& document = opened.document;
    document.SetNumber(Field::Country, {}, 3);
    document.Campaign()->SetCampaignFile("/saved/as.cam");
    document.Campaign()->SetCampaignName("as");
    document.Undo();
    EXPECT_EQ(document.Campaign()->CampaignFile(), "/saved/as.cam");
    EXPECT_EQ(document.Campaign()->CampaignName(), "as");
}

TEST(CampaignDocument, KeepsTheLatestThousandSteps) {
    Opened opened(3);
    for (int n = 1; n <= 1001; ++n)
        opened.document.Edit({"Step", {}, {}}, {}, [n](Campaign& c) { c.SetPrestige(n); });
    EXPECT_EQ(opened.UndoAll(), 1000);
    EXPECT_EQ(opened.document.Campaign()->Prestige(), 1);
}

TEST(ShownScenario, FollowsTheListAndUndoToTheScenarioTheyConcernWithinTheCampaign) {
    const Change field{.parts = Change::kField, .place = {1, 0}};
    const struct {
        Change change;
        int count;
        int shown;  // before: 2
        bool another;
    } cases[] = {
        {{.parts = Change::kReplaced, .scenario = 3}, 9, 0, true},
        {{.parts = Change::kScenarioList, .scenario = 7}, 9, 7, true},
        {{.parts = Change::kScenarioList}, 9, 0, true},
        {{.parts = Change::kRestored | Change::kField, .scenario = 2}, 9, 2, false},
        {{.parts = Change::kRestored | Change::kField}, 9, 0, true},
        {{.parts = Change::kScenarioList, .scenario = 7}, 5, 4, true},
        {field, 9, 2, false},
        {field, 2, 1, true},
        {field, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change.parts);
        ShownScenario shown;
        ASSERT_TRUE(shown.Choose(2, 9));
        EXPECT_EQ(shown.Follow(c.change, c.count), c.another);
        EXPECT_EQ(shown.Number(), c.shown);
    }
    ShownScenario shown;
    EXPECT_FALSE(shown.Choose(0, 3)) << "shown already";
    EXPECT_FALSE(shown.Choose(3, 3));
    EXPECT_FALSE(shown.Choose(-1, 3));
    EXPECT_EQ(shown.Number(), 0);
}

}  // namespace
}  // namespace xal
