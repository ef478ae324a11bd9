#include <gtest/gtest.h>

#include "platform/windows1252.h"

namespace xal::windows1252 {
namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheHighControlsAndRefusesWhatItCannotHold) {
    EXPECT_EQ(ToUtf8("\x80"), "\xe2\x82\xac");  // euro sign
    EXPECT_EQ(ToUtf8("\x81"), "\xc2\x81");      // undefined byte kept as U+0081
    EXPECT_EQ(ToUtf8("\x9d"), "\xc2\x9d");
    EXPECT_EQ(FromUtf8("\xc3\xa9"), "\xe9");
    EXPECT_FALSE(FromUtf8("\xe4\xb8\xad").has_value());  // a CJK character
    EXPECT_FALSE(FromUtf8("\xff").has_value());          // not UTF-8
}

}  // namespace
}  // namespace xal::windows1252
