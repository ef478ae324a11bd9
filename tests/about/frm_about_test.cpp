#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTest>
#include <filesystem>

#include "about/about_text.h"
#include "about/frm_about.h"
#include "support/temp_folder.h"
#include "support/test_application.h"
#include "version.h"

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

TEST_F(frmAboutTest, ShowsTheProgramsVersionInformation) {
    frmAbout window(nullptr, Folder());
    EXPECT_EQ(window.objectName(), "frmAbout");
    EXPECT_EQ(window.windowTitle(), "About XaL Campaign Editor");
    EXPECT_EQ(window.lblTitle->text(), version::FileDescription);
    EXPECT_EQ(window.lblVersion->text(),
              VersionLine(version::Major, version::Minor, version::Revision).c_str());
    EXPECT_EQ(window.lblCopyright->text(), version::LegalCopyright);
    EXPECT_FALSE(window.picIcon->pixmap().isNull());
    EXPECT_EQ(window.lineWhite->y(), window.lineGrey->y() + 1) << "white just below grey";
    EXPECT_EQ(window.lineGrey->height(), 1);
}

TEST_F(frmAboutTest, ShowsTheReadMeWithItsLineBreaksInAFixedPitchReadOnlyBox) {
    folder.Write(kReadMeFileName, "Campaigns\r\nCaf\xe9 \x80 5\r\n");
    frmAbout window(nullptr, Folder());
    EXPECT_EQ(window.txtComments->toPlainText(),
              QString::fromUtf8("Campaigns\nCaf\u00e9 \u20ac 5\n"));
    EXPECT_EQ(window.txtComments->document()->blockCount(), 3);
    EXPECT_TRUE(window.txtComments->isReadOnly());
    EXPECT_EQ(window.txtComments->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window.txtComments->palette().color(QPalette::Base),
              window.palette().color(QPalette::Button));
    EXPECT_TRUE(window.txtComments->font().fixedPitch());
}

TEST_F(frmAboutTest, AMissingReadMeLeavesTheBoxEmpty) {
    frmAbout window(nullptr, Folder());
    EXPECT_TRUE(window.txtComments->toPlainText().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / kReadMeFileName));
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

TEST_F(frmAboutTest, OKIsTheDefaultButtonAndOKEnterAndEscapeCloseTheWindow) {
    frmAbout window(nullptr, Folder());
    EXPECT_EQ(window.cmdOK->text(), "OK");
    EXPECT_TRUE(window.cmdOK->isDefault());

    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible()) << "OK";

    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Escape";

    window.show();
    QTest::keyClick(window.txtComments, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Escape in the read-me box";

    window.show();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible()) << "Enter";
}

}  // namespace
}  // namespace xal::gui
