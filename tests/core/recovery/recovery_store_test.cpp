// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/model/campaign_snapshot.h"
#include "core/platform/file_system.h"
#include "core/recovery/recovery_store.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "support/scoped_environment.h"
#endif

namespace xal {
namespace {

// A recovery folder of its own for each test.
struct Folder {
    test::TempFolder temp;
    std::string path = temp.File("state/recovery/");

    // Keeps a copy and dies without removing it.
    void Die(const Campaign& campaign, std::int64_t madeAt) {
        RecoveryStore(path).Keep(campaign, madeAt);
    }
    std::vector<std::string> Names() const { return temp.Names("state/recovery"); }
};

TEST(RecoveryStore, OffersACopyOnlyOnceItsEditorIsGone) {
    Folder folder;
    const Campaign campaign = test::DistinctCampaign(4);
    auto first = std::make_unique<RecoveryStore>(folder.path);
    first->Keep(test::DistinctCampaign(1), 1);
    first->Keep(campaign, 2);
    RecoveryStore second(folder.path);
    EXPECT_TRUE(second.Leftovers().empty());
    first.reset();
    const std::vector<Leftover> leftovers = second.Leftovers();
    ASSERT_EQ(leftovers.size(), 1u);
    ASSERT_TRUE(leftovers[0].copy);
    EXPECT_TRUE(CampaignSnapshot(campaign).Holds(*leftovers[0].copy->campaign));
    EXPECT_EQ(leftovers[0].copy->madeAt, 2);
    // Nor does a third editor offer it while the second does.
    EXPECT_TRUE(RecoveryStore(folder.path).Leftovers().empty());
}

TEST(RecoveryStore, OffersTheNewestFirstAndDiscardRemovesTheCopyAndItsLockFile) {
    Folder folder;
    folder.Die(test::DistinctCampaign(1), 100);
    folder.Die(test::DistinctCampaign(2), 300);
    folder.Die(test::DistinctCampaign(3), 200);
    RecoveryStore store(folder.path);
    std::vector<Leftover> leftovers = store.Leftovers();
    ASSERT_EQ(leftovers.size(), 3u);
    EXPECT_EQ(leftovers[0].copy->madeAt, 300);
    EXPECT_EQ(leftovers[1].copy->madeAt, 200);
    EXPECT_EQ(leftovers[2].copy->madeAt, 100);
    // Restored: kept as this editor's copy, then discarded.
    store.Keep(*leftovers[0].copy->campaign, 300);
    for (const Leftover& leftover : leftovers) store.Discard(leftover);
    leftovers.clear();
    EXPECT_TRUE(store.Leftovers().empty());
    EXPECT_EQ(folder.Names().size(), 2u);  // this editor's copy and lock file
}

TEST(RecoveryStore, KeepsAnUnreadableCopyAsideReportsItOnceAndNeverOffersIt) {
    Folder folder;
    std::string copyPath;
    {
        RecoveryStore dead(folder.path);
        dead.Keep(test::DistinctCampaign(1), 1);
        copyPath = dead.CopyPath();
    }
    std::filesystem::resize_file(platform::FsPath(copyPath), 100);
    RecoveryStore store(folder.path);
    const std::vector<Leftover> leftovers = store.Leftovers();
    ASSERT_EQ(leftovers.size(), 1u);
    ASSERT_TRUE(leftovers[0].failure);
    EXPECT_EQ(leftovers[0].path, copyPath + ".unreadable");
    EXPECT_EQ(leftovers[0].failure->Concerns(), "File: " + copyPath + ".unreadable");
    EXPECT_TRUE(platform::FileExists(leftovers[0].path));
    EXPECT_TRUE(store.Leftovers().empty());
    EXPECT_TRUE(RecoveryStore(folder.path).Leftovers().empty());
    store.Discard(leftovers[0]);
    EXPECT_FALSE(platform::FileExists(leftovers[0].path));
}

TEST(RecoveryStore, RemovesLockFilesAndInterruptedSavesOfEditorsGoneWithoutACopy) {
    Folder folder;
    RecoveryStore store(folder.path);
    folder.temp.Write("state/recovery/12-00ff.lock", "");
    folder.temp.Write("state/recovery/12-00ff.recovery.saving-0123abcd.tmp", "cut");
    folder.temp.Write("state/recovery/notes.txt", "");
    EXPECT_TRUE(store.Leftovers().empty());
    EXPECT_EQ(folder.Names().size(), 2u);  // this editor's lock file and notes.txt
}

TEST(RecoveryStore, RaisesNamingWhatCouldNotBeMadeOrWritten) {
    Folder folder;
    folder.temp.Write("state", "a file where a folder belongs");
    const std::string report = test::ReportOf([&] { RecoveryStore store(folder.path); });
    EXPECT_NE(report.find(folder.temp.File("state")), std::string::npos) << report;

    RecoveryStore store(folder.temp.File("elsewhere/"));
    std::filesystem::create_directory(platform::FsPath(store.CopyPath()));
    const std::string keep = test::ReportOf([&] { store.Keep(Campaign(), 0); });
    EXPECT_NE(keep.find("File: " + store.CopyPath()), std::string::npos) << keep;
}

#ifndef _WIN32
TEST(RecoveryStore, DefaultFolderFollowsXdgStateHomeAndHome) {
    const test::ScopedEnvironment home("HOME", "/home/u");
    {
        const test::ScopedEnvironment state("XDG_STATE_HOME", "/var/state");
        EXPECT_EQ(RecoveryStore::DefaultFolder(), "/var/state/xal-campaign-edit/recovery/");
    }
    for (const std::optional<std::string>& ignored :
         {std::optional<std::string>(), {""}, {"rel"}}) {
        const test::ScopedEnvironment state("XDG_STATE_HOME", ignored);
        EXPECT_EQ(RecoveryStore::DefaultFolder(),
                  "/home/u/.local/state/xal-campaign-edit/recovery/");
    }
}

TEST(RecoveryStore, MakesTheFolderForTheUserAlone) {
    Folder folder;
    RecoveryStore store(folder.path);
    struct stat made {};
    ASSERT_EQ(::stat(folder.path.c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
}

#else
TEST(RecoveryStore, DefaultFolderIsInTheLocalApplicationData) {
    const std::string folder = RecoveryStore::DefaultFolder();
    EXPECT_TRUE(folder.ends_with("\\XaL Campaign Editor\\Recovery\\")) << folder;
    EXPECT_TRUE(platform::FsPath(folder).is_absolute()) << folder;
}
#endif

}  // namespace
}  // namespace xal
