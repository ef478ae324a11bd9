#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>

#include "support/scripted_prompts.h"
#include "support/test_application.h"
#include "text_editor/uc_edit.h"

namespace xal::gui {
namespace {

class ucEditTest : public ::testing::Test {
  protected:
    // Shows the dialog; `user` acts on the shown window and must close it.
    void Show(const std::function<void(frmEdit&)>& user) {
        prompts.ExpectDialog("frmEdit", [&](void* dialog) {
            auto* window = static_cast<frmEdit*>(dialog);
            window->show();
            user(*window);
            EXPECT_FALSE(window->isVisible()) << "the user closed the dialog";
        });
        edit.ShowDlg();
        prompts.VerifyDone();
    }

    // The application must exist before the control is made.
    struct Application {
        Application() { test::EnsureApplication(); }
    } application;
    test::ScriptedPrompts prompts;
    ucEdit edit;
};

TEST_F(ucEditTest, OnlyTheConfirmButtonMakesTheResultTrueButEveryClosingReturnsTheText) {
    edit.DlgCaption = "Edit camp1.txt";
    edit.DlgMode = 1;
    edit.DlgText = "abc";
    edit.OKButtonCaption = "&Save";
    Show([](frmEdit& window) {
        EXPECT_EQ(window.windowTitle(), "Edit camp1.txt");
        window.txtLargeEdit->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.txtLargeEdit, "d");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    });
    EXPECT_TRUE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "abcd");

    Show([](frmEdit& window) {
        QTest::keyClicks(window.txtLargeEdit, "e");
        QTest::keyClick(window.txtLargeEdit, Qt::Key_Escape);
    });
    EXPECT_FALSE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "eabcd") << "the text as it stood when the window closed";

    edit.DlgText = "kept?";
    Show([](frmEdit& window) { window.close(); });  // the close box
    EXPECT_FALSE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "kept?");

    Show([](frmEdit& window) { QTest::mouseClick(window.cmdCancel, Qt::LeftButton); });
    EXPECT_FALSE(edit.DlgResult);
}

TEST_F(ucEditTest, LayoutZeroUsesTheOneLineBoxAndAnyOtherValueTheLargeOne) {
    edit.DlgText = "one";
    Show([](frmEdit& window) {
        EXPECT_TRUE(window.txtEdit->isVisible());
        QTest::keyClicks(window.txtEdit, " two");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    });
    EXPECT_TRUE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "one two");

    edit.DlgMode = 7;
    Show([](frmEdit& window) {
        EXPECT_TRUE(window.txtLargeEdit->isVisible());
        window.close();
    });
}

TEST_F(ucEditTest, EveryByteOfAnUnchangedTextComesBack) {
    edit.DlgMode = 1;
    std::string every;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') every += static_cast<char>(b);
    for (const std::string& text : {every + "\r\nsecond line\r\n", std::string("lf\nonly\n"),
                                    std::string("mixed\r\nline\nends\r\n")}) {
        edit.DlgText = text;
        Show([](frmEdit& window) { QTest::mouseClick(window.cmdSave, Qt::LeftButton); });
        EXPECT_EQ(edit.DlgText, text);
    }
}

TEST_F(ucEditTest, EveryLineBreakOfAChangedTextIsCrLfAndLongLinesWrap) {
    edit.DlgMode = 1;
    edit.DlgText = "one\ntwo\r\n" + std::string(400, 'x');
    Show([](frmEdit& window) {
        const QTextBlock last = window.txtLargeEdit->document()->lastBlock();
        EXPECT_GT(last.layout()->lineCount(), 1) << "the long line wraps";
        window.txtLargeEdit->moveCursor(QTextCursor::End);
        QTest::keyClick(window.txtLargeEdit, Qt::Key_Return);
        QTest::keyClicks(window.txtLargeEdit, "end");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    });
    EXPECT_EQ(edit.DlgText, "one\r\ntwo\r\n" + std::string(400, 'x') + "\r\nend");
}

TEST_F(ucEditTest, ATextTheGamesFilesCannotHoldStaysOpenWithTheMessage) {
    edit.DlgMode = 1;
    edit.DlgText = "text";
    Show([this](frmEdit& window) {
        window.txtLargeEdit->moveCursor(QTextCursor::End);
        window.txtLargeEdit->insertPlainText("Жук");
        prompts.ExpectMessage(
            "The text holds characters that the game's text files cannot store; they hold only "
            "the characters of Windows-1252.");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.txtLargeEdit->toPlainText(), "textЖук");
        window.close();
    });
    EXPECT_FALSE(edit.DlgResult);
}

}  // namespace
}  // namespace xal::gui
