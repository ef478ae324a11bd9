// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <utility>

#include "core/base/windows1252.h"

namespace xal::windows1252 {
namespace {

TEST(Windows1252, MapsEveryByteBothWaysAndRefusesWhatItCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
    EXPECT_EQ(ToUtf8("\x80\x81\xe9"), "€\xc2\x81é") << "an undefined byte is kept as U+0081";
    EXPECT_FALSE(FromUtf8("中").has_value());
    EXPECT_FALSE(FromUtf8("\xff").has_value()) << "not UTF-8";
}

TEST(Windows1252, MakesTheCapitalsOfTheCodePageSmallInUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"ÉTÉ.TXT", "été.txt"},
        {"ŠŒŽŸ À×Þ", "šœžÿ à×þ"},      // the multiplication sign is no capital
        {"ПОХОД.CAM", "ПОХОД.cam"},    // the characters the code page lacks stay
        {"A\xff\xc3(", "a\xff\xc3("},  // and so do bytes that start no character
    };
    for (const auto& [text, small] : cases) EXPECT_EQ(SmallLettersOfUtf8(text), small) << text;
}

}  // namespace
}  // namespace xal::windows1252
