// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "core/settings/recent_campaigns.h"
#include "support/registry_sandbox.h"

namespace xal {
namespace {

// Two editors open a campaign each at the same moment, again and again: both campaigns are
// on the list every time. The store lies in the temporary folder (TMPDIR), so the same
// race runs on any file system (bench/recent_campaigns_race.sh).
TEST(RecentCampaigns, TwoEditorsAddingAtOnceLoseNeither) {
    constexpr int kTrials = 200;
    test::RegistrySandbox sandbox;
    int lost = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        const std::string campaigns[] = {"/a" + std::to_string(trial),
                                         "/b" + std::to_string(trial)};
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        for (const std::string& campaign : campaigns) {
            if (::fork() != 0) continue;
            ::close(start[1]);  // both run once the parent closes its end too
            char none = 0;
            _exit(::read(start[0], &none, 1) == 0 && RememberRecentCampaign(campaign) ? 0 : 1);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (int status = 0; ::wait(&status) > 0;) EXPECT_EQ(status, 0);
        const std::vector<std::string> recent = RecentCampaigns();
        lost +=
            std::ranges::count(recent, campaigns[0]) + std::ranges::count(recent, campaigns[1]) < 2;
    }
    std::printf("a campaign lost in %d of %d trials\n", lost, kTrials);
    EXPECT_EQ(lost, 0);
}

}  // namespace
}  // namespace xal
