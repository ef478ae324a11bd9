// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/model/editing_rules.h"

namespace xal {
namespace {

TEST(FitsFileNameField, HoldsTwentyBytesOfTheCodePage) {
    EXPECT_TRUE(FitsFileNameField(std::string(20, '\xe9')));
    EXPECT_FALSE(FitsFileNameField(std::string(16, 'a') + ".scn "));
}

TEST(ReadPrestige, TakesANumberFrom0To65000ThenRoundsHalvesToEven) {
    const NumberFormat english{".", ","};
    const NumberFormat german{",", "."};
    const struct {
        const NumberFormat& format;
        const char* text;
        std::optional<Long> prestige;
    } cases[] = {
        {english, "65000", 65000},       {english, "65001", std::nullopt},   {english, "0", 0},
        {english, "-0.4", std::nullopt}, {english, "65000.4", std::nullopt}, {english, "13.5", 14},
        {english, "abc", std::nullopt},  {english, "1,000", 1000},           {german, "12,5", 12},
        {german, "1.5", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ReadPrestige(c.text, c.format), c.prestige) << c.text;
}

}  // namespace
}  // namespace xal
