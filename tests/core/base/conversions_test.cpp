// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;

TEST(Conversions, ByteAndLongOverflowOutsideTheirRangesAndHalvesRoundToEven) {
    EXPECT_EQ(ToByte(255), 255);
    EXPECT_EQ(ErrorOf([] { ToByte(-1); }), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorOf([] { ToByte(256); }), ErrorNumber::Overflow);
    EXPECT_EQ(ToLong(2147483647.4), 2147483647);
    EXPECT_EQ(ToLong(12.5), 12);
    EXPECT_EQ(ToLong(13.5), 14);
    EXPECT_EQ(ErrorOf([] { ToLong(2147483648.0); }), ErrorNumber::Overflow);
    EXPECT_EQ(DecimalText(7, 2), "07");
    EXPECT_EQ(DecimalText(100, 2), "100");
}

}  // namespace
}  // namespace xal
