// SPDX-License-Identifier: MIT
#include <filesystem>

#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, TheCountriesAreTheFirstTwentyLinesAsWindows1252) {
    game.Write("GUI97.txt", "\xc9ire\r\n\r\n" + test::CountryLines(23));
    QComboBox* list = List("cbxCountry");
    ASSERT_EQ(list->count(), 20);
    EXPECT_EQ(list->itemText(0), QString::fromUtf8("\u00c9ire"));
    EXPECT_EQ(list->itemText(1), "") << "an empty line is an entry";
    EXPECT_EQ(list->itemText(19), "Country 18");
    EXPECT_EQ(list->itemData(19).toInt(), 20);
    EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(MainWindowTest, AnIncompleteOrMissingCountryListSendsTheUserToTheOptions) {
    const struct {
        int lines;  // -1: no file
        const char* folder;
    } cases[] = {{12, ""}, {-1, ""}, {20, "no/such/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + std::to_string(c.lines));
        std::filesystem::remove(game.File("GUI97.txt"));
        if (c.lines >= 0) game.Write("GUI97.txt", test::CountryLines(c.lines));
        settings.GameFolder = game.File(c.folder);
        prompts.ExpectMessage(
            {"Cannot find the Xandor's Legion folder.\r\nPlease select the correct folder in "
             "'Options' and then close and restart the program.",
             platform::MessageButtons::Ok, platform::MessageIcon::Critical, "XaL Campaign Editor"},
            platform::MessageAnswer::Ok);
        prompts.ExpectDialog("frmOptions", [](void*) {});
        gui::frmMain window(document, settings);
        prompts.VerifyDone();
        EXPECT_EQ(window.findChild<QComboBox*>("cbxCountry")->count(),
                  *c.folder ? 0 : std::max(c.lines, 0));
        EXPECT_EQ(std::filesystem::exists(game.File("GUI97.txt")), c.lines >= 0)
            << "reading creates nothing";
    }
}

}  // namespace
}  // namespace xal
