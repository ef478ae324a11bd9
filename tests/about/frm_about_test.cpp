// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "about/about_text.h"
#include "about/frm_about.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

namespace xal::gui {
namespace {

TEST(frmAbout, ShowsTheReadMeInUnicodeWithOneLineBreakForCrLf) {
    test::EnsureApplication();
    test::TempFolder folder;
    folder.Write(kReadMeFileName, "Campaigns\r\nCaf\xe9 \x80 5\r\n");
    frmAbout window(nullptr, folder.Path().string());
    EXPECT_EQ(window.txtComments->toPlainText(),
              QString::fromUtf8("Campaigns\nCaf\u00e9 \u20ac 5\n"));
}

}  // namespace
}  // namespace xal::gui
