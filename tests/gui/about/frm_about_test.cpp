// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/about/about_text.h"
#include "gui/about/frm_about.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

namespace xal::gui {
namespace {

// The build's read-me is UTF-8; one in Windows-1252 reads as well.
TEST(frmAbout, ShowsTheReadMeInUnicodeWithOneLineBreakForCrLf) {
    test::EnsureApplication();
    for (const char* bytes :
         {"Campaigns\r\nCaf\xc3\xa9 \xe2\x82\xac 5\r\n", "Campaigns\r\nCaf\xe9 \x80 5\r\n"}) {
        test::TempFolder folder;
        folder.Write(kReadMeFileName, bytes);
        frmAbout window(nullptr, folder.Path().string());
        EXPECT_EQ(window.txtComments->toPlainText(),
                  QString::fromUtf8("Campaigns\nCaf\u00e9 \u20ac 5\n"));
    }
}

}  // namespace
}  // namespace xal::gui
