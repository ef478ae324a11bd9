// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "campaign_document/campaign_document.h"
#include "campaign_file/campaign_writer.h"
#include "model/campaign_snapshot.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

using Command = std::function<void(CampaignDocument&)>;

CampaignDocument DocumentOf(int count) {
    CampaignDocument document;
    document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(count)));
    return document;
}

std::string Bytes(const CampaignDocument& document) {
    return BuildCampaignFile(*document.Campaign());
}

int UndoAll(CampaignDocument& document) {
    int steps = 0;
    for (; document.CanUndo(); ++steps) document.Undo();
    return steps;
}

TEST(CampaignDocument, EveryCommandUndoesToTheBytesBeforeItAndRedoesToTheBytesAfter) {
    using enum TextField;
    static constexpr FieldPlace kLast{3, 3}, kFirst{0, 0};
    // The command, its caption, the scenario to show after undo and after redo.
    const std::tuple<Command, std::string, std::optional<Byte>, std::optional<Byte>> cases[] = {
        {[](auto& d) { d.AddScenario(); }, "Add scenario", 4, 5},
        {[](auto& d) { d.MoveScenario(3, MoveDirection::Up); }, "Move scenario 3 up", 2, 2},
        {[](auto& d) { d.DeleteScenario(4); }, "Delete scenario 4", 4, 3},
        {[](auto& d) { d.AdjustPrestige(CampaignUp, 100, 1); }, "Raise all prestige", 1, 1},
        {[](auto& d) { d.SetCountry(9); }, "Choose country", {}, {}},
        {[](auto& d) { d.SetGoTo(1, 2, 254); }, "Choose go-to", 1, 1},
        {[](auto& d) { d.SetText(CampaignTXT, kLast, "x"); }, "Edit campaign TXT file", {}, {}},
        {[](auto& d) { d.SetText(OutcomeMOV, kLast, "x"); }, "Edit defeat MOV file", 3, 3},
        {[](auto& d) { d.SetPrestige(FieldLevel::Outcome, kFirst, 5); },
         "Edit brilliant victory prestige", 0, 0},
    };
    for (const auto& [command, caption, afterUndo, afterRedo] : cases) {
        SCOPED_TRACE(caption);
        CampaignDocument document = DocumentOf(5);
        const std::string before = Bytes(document);
        command(document);
        const std::string after = Bytes(document);
        ASSERT_NE(after, before);
        EXPECT_EQ(document.UndoText(), caption);
        const EditStep undone = document.Undo();
        EXPECT_EQ(Bytes(document), before);
        EXPECT_EQ(undone.scenario, afterUndo);
        EXPECT_EQ(document.RedoText(), caption);
        EXPECT_EQ(document.Redo().scenario, afterRedo);
        EXPECT_EQ(Bytes(document), after);
        EXPECT_EQ(UndoAll(document), 1);
    }
}

void Type(CampaignDocument& d, Byte scenario, const std::string& text) {
    d.SetText(TextField::ScenarioFile, {scenario, 0}, text);
}

TEST(CampaignDocument, MergesTypingInOneFieldUntilAnotherStepUndoOrRedoComesBetween) {
    const Command a = [](auto& d) { Type(d, 1, "a"); };
    const Command ab = [](auto& d) { Type(d, 1, "ab"); };
    const Command inOther = [](auto& d) { Type(d, 2, "a"); };
    const Command country1 = [](auto& d) { d.SetCountry(1); };
    const Command country2 = [](auto& d) { d.SetCountry(2); };
    const Command undo = [](auto& d) { d.Undo(); };
    const Command redo = [](auto& d) { d.Redo(); };
    const Command add = [](auto& d) { d.AddScenario(); };
    const Command goTo0 = [](auto& d) { d.SetGoTo(1, 0, 0); };
    const Command goTo1 = [](auto& d) { d.SetGoTo(1, 1, 0); };
    const Command unchanged = [](auto& d) { Type(d, 1, "camp11.scn"); };
    const std::pair<std::vector<Command>, int> cases[] = {
        {{a, ab, a}, 1},          {{a, country1, ab}, 3},    {{a, inOther}, 2},
        {{goTo0, goTo1}, 2},      {{country1, country2}, 1}, {{a, country1, undo, country2}, 2},
        {{a, undo, redo, ab}, 2}, {{add, add}, 2},           {{unchanged}, 0},
    };
    int row = 0;
    for (const auto& [commands, steps] : cases) {
        SCOPED_TRACE(row++);
        CampaignDocument document = DocumentOf(3);
        const std::string before = Bytes(document);
        for (const auto& command : commands) command(document);
        EXPECT_FALSE(document.CanRedo()) << "an edit drops the steps to redo";
        EXPECT_EQ(UndoAll(document), steps);
        EXPECT_EQ(Bytes(document), before);
    }
}

TEST(CampaignDocument, ReplaceEmptiesTheHistoryAndEndsMerging) {
    CampaignDocument document = DocumentOf(3);
    document.SetCountry(1);
    Type(document, 1, "a");
    document.Undo();
    document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(4)));
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(test::ErrorOf([&] { document.Redo(); }), 5);
    Type(document, 1, "a");
    document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(3)));
    Type(document, 1, "ab");
    EXPECT_EQ(UndoAll(document), 1) << "no merging across a Replace";
    Type(document, 1, "a");
    document.CloseStep();
    Type(document, 1, "ab");
    EXPECT_EQ(UndoAll(document), 2) << "a closed step takes no more typing";
}

TEST(CampaignDocument, AFailingChangeLeavesTheCampaignAndTheHistoryAsTheyWere) {
    static constexpr FieldPlace kNoOutcome{1, 4};
    const std::tuple<int, Command, int> cases[] = {
        {255, [](auto& d) { d.AddScenario(); }, 6},
        {3, [](auto& d) { d.SetText(TextField::OutcomeTXT, kNoOutcome, "x"); }, 9},
        {3,
         [](auto& d) {
             d.Edit({"Break", 0, {}}, [](Campaign& c) {
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
        CampaignDocument document = DocumentOf(count);
        document.SetCountry(1);
        document.Undo();
        const CampaignSnapshot before(*document.Campaign());
        EXPECT_EQ(test::ErrorOf([&] { command(document); }), error);
        EXPECT_TRUE(before.Holds(*document.Campaign()));
        EXPECT_FALSE(document.CanUndo());
        EXPECT_TRUE(document.CanRedo());
    }
}

TEST(CampaignDocument, UndoKeepsTheFileTheCampaignWasSavedTo) {
    CampaignDocument document = DocumentOf(3);
    document.SetCountry(3);
    document.Campaign()->SetCampaignFile("/saved/as.cam");
    document.Campaign()->SetCampaignName("as");
    document.Undo();
    EXPECT_EQ(document.Campaign()->CampaignFile(), "/saved/as.cam");
    EXPECT_EQ(document.Campaign()->CampaignName(), "as");
}

TEST(CampaignDocument, KeepsTheLatestThousandSteps) {
    CampaignDocument document = DocumentOf(3);
    for (int n = 1; n <= 1001; ++n)
        document.Edit({"Step", {}, {}}, [n](Campaign& c) { c.SetPrestige(n); });
    EXPECT_EQ(UndoAll(document), 1000);
    EXPECT_EQ(document.Campaign()->Prestige(), 1);
}

}  // namespace
}  // namespace xal
