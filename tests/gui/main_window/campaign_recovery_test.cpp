// SPDX-License-Identifier: MIT
#include <QTest>
#include <chrono>

#include "core/campaign_file/campaign_writer.h"
#include "core/model/campaign_snapshot.h"
#include "core/recovery/recovery_store.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class CampaignRecoveryTest : public test::MainWindowTest {
  protected:
    // The copies in the recovery folder.
    std::vector<std::string> Copies() const {
        std::vector<std::string> copies;
        for (const std::string& name : recovery.Names())
            if (name.ends_with(".recovery")) copies.push_back(name);
        return copies;
    }
    // Leaves a copy as an editor that died with unsaved changes would.
    void LeaveCopy(const Campaign& campaign) {
        RecoveryStore dead(recovery.File(""));
        dead.Keep(campaign, 1'700'000'000);
    }

    test::TempFolder recovery;
};

TEST_F(CampaignRecoveryTest, ACopyIsKeptWhileChangesAreUnsavedAndGoesWithThem) {
    Window().StartRecovery(recovery.File(""), std::chrono::milliseconds(0));
    Open(test::DistinctCampaign(3));
    EXPECT_TRUE(Copies().empty()) << "nothing to keep yet";
    ClickToolbar("CAMP_DOWN");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 1; }));
    const RecoveryCopy copy = ReadRecoveryCopy(recovery.Read(Copies()[0]));
    EXPECT_TRUE(CampaignSnapshot(*copy.campaign).Holds(*document.Campaign()));

    ClickToolbar("SAVE");
    EXPECT_TRUE(Copies().empty()) << "saved: no copy";
    ClickToolbar("CAMP_DOWN");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 1; }));
    prompts.ExpectMessage("Save camp1.cam", platform::MessageAnswer::No);
    Window().close();
    EXPECT_TRUE(Copies().empty()) << "the changes were dropped: no copy";
}

TEST_F(CampaignRecoveryTest, ACopyLeftIsRestoredUnsavedAndSavedToItsOwnFile) {
    Campaign edited = test::DistinctCampaign(3);
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    edited.SetCampaignName("camp1");
    edited.SetCampaignFolder(campaigns.File(""));
    edited.SetCampaignFile(path);
    LeaveCopy(edited);

    prompts.ExpectMessage({test::RecoveryQuestion("camp1", path, 1'700'000'000),
                           platform::MessageButtons::RestoreDiscard,
                           platform::MessageIcon::Question, "XaL Campaign Editor"},
                          platform::MessageAnswer::Restore);
    Window().StartRecovery(recovery.File(""));
    prompts.VerifyDone();
    test::ExpectCommandState(Window(), test::CommandState::Changed);
    EXPECT_EQ(Copies().size(), 1u) << "the editor's own copy, in place of the one left";

    ClickToolbar("SAVE");
    EXPECT_EQ(campaigns.Read("camp1.cam"), BuildCampaignFile(edited)) << "where it came from";
    EXPECT_TRUE(Copies().empty());
}

TEST_F(CampaignRecoveryTest, DiscardRemovesTheCopy) {
    Campaign never = test::DistinctCampaign(1);
    never.SetCampaignName("camp1");
    LeaveCopy(never);
    prompts.ExpectMessage(
        test::RecoveryQuestion("camp1", "none, it was never saved", 1'700'000'000),
        platform::MessageAnswer::Discard);
    Window().StartRecovery(recovery.File(""));
    prompts.VerifyDone();
    EXPECT_FALSE(document.IsOpen());
    EXPECT_TRUE(Copies().empty());
}

}  // namespace
}  // namespace xal
