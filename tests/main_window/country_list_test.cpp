#include <filesystem>

#include "model/mod_main.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class CountryListTest : public test::MainWindowTest {
  protected:
    QStringList Countries() {
        QStringList names;
        for (int i = 0; i < Window().cbxCountry->count(); ++i) {
            EXPECT_EQ(Window().cbxCountry->itemData(i).toInt(), i + 1);
            names << Window().cbxCountry->itemText(i);
        }
        return names;
    }
    void ExpectMissingFolder() {
        prompts.ExpectMessage(
            {"Cannot find the Xandor's Legion folder.\r\nPlease select the correct folder in "
             "'Options' and then close and restart the program.",
             platform::MessageButtons::Ok, platform::MessageIcon::Critical, "XaL Campaign Editor"},
            platform::MessageAnswer::Ok);
        prompts.ExpectDialog("frmOptions", [](void*) {});
    }
};

TEST_F(CountryListTest, TakesTheFirstTwentyLinesInFileOrderAsWindows1252) {
    game.Write("GUI97.txt", "\xc9ire\r\n\r\n" + test::CountryLines(23));
    const QStringList names = Countries();
    ASSERT_EQ(names.size(), 20);
    EXPECT_EQ(names[0], QString::fromUtf8("\u00c9ire"));
    EXPECT_EQ(names[1], "") << "an empty line is an entry";
    EXPECT_EQ(names.last(), "Country 18");
    EXPECT_EQ(Window().cbxCountry->currentIndex(), -1) << "no country is picked before a campaign";
}

TEST_F(CountryListTest, TheListIsFoundWhateverTheCaseOfItsName) {
    std::filesystem::remove(game.File("GUI97.txt"));
    game.Write("gui97.TXT", test::CountryLines(20));
    EXPECT_EQ(Countries().size(), 20);
    EXPECT_FALSE(std::filesystem::exists(game.File("GUI97.txt"))) << "no empty list is made";
}

TEST_F(CountryListTest, TwelveLinesGiveTwelveEntriesThenTheMessage) {
    game.Write("GUI97.txt", test::CountryLines(12));
    ExpectMissingFolder();
    EXPECT_EQ(Countries().size(), 12);
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(CountryListTest, AMissingFileIsCreatedEmptyAndReported) {
    std::filesystem::remove(game.Path() / "GUI97.txt");
    ExpectMissingFolder();
    EXPECT_EQ(Window().cbxCountry->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(game.Path() / "GUI97.txt"));
}

TEST_F(CountryListTest, AFolderIsUsedAsItIsWithoutAddingASeparator) {
    modMain::Settings.GameFolder = game.Path().string();  // no trailing separator
    ExpectMissingFolder();
    EXPECT_EQ(Window().cbxCountry->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(game.Path().string() + "GUI97.txt"));
    std::filesystem::remove(game.Path().string() + "GUI97.txt");
}

TEST_F(CountryListTest, AGameFolderThatIsNotThereGivesTheSameMessage) {
    modMain::Settings.GameFolder = game.File("no/such/");
    ExpectMissingFolder();
    EXPECT_EQ(Window().cbxCountry->count(), 0);
}

}  // namespace
}  // namespace xal
