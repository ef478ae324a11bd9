#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "about/about_text.h"
#include "about/frm_about.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

namespace xal::gui {
namespace {

class frmAboutTest : public ::testing::Test {
  protected:
    std::string Folder() const { return folder.Path().string(); }

    // The application must exist before a window is made.
    struct Application {
        Application() { test::EnsureApplication(); }
    } application;
    test::TempFolder folder;
};

TEST_F(frmAboutTest, ShowsTheReadMeWithItsLineBreaksInAReadOnlyBox) {
    folder.Write(kReadMeFileName, "Campaigns\r\nCaf\xe9 \x80 5\r\n");
    frmAbout window(nullptr, Folder());
    EXPECT_EQ(window.txtComments->toPlainText(),
              QString::fromUtf8("Campaigns\nCaf\u00e9 \u20ac 5\n"));
    EXPECT_TRUE(window.txtComments->isReadOnly());
}

TEST_F(frmAboutTest, AnUnreadableReadMeIsExplainedAndTheWindowStillWorks) {
    std::filesystem::create_directory(folder.Path() / kReadMeFileName);
    frmAbout window(nullptr, Folder());
    const QString text = window.txtComments->toPlainText();
    EXPECT_TRUE(text.startsWith("The read-me file could not be read:\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(folder.File(kReadMeFileName))));
    EXPECT_TRUE(text.contains("75 ")) << "the error's number";
    window.show();
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace xal::gui
