// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "gui/text_editor/uc_edit.h"
#include "support/scripted_prompts.h"
#include "support/test_application.h"

namespace xal::gui {
namespace {

class ucEditTest : public ::testing::Test {
  protected:
    ucEditTest() { edit.DlgMode = 1; }

    // Shows the dialog; `user` acts on the shown window and must close it.
    void Show(const std::function<void(frmEdit&)>& user) {
        prompts.ExpectDialog("frmEdit", [&](void* dialog) {
            auto* window = static_cast<frmEdit*>(dialog);
            window->show();
            user(*window);
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
    edit.DlgMode = 0;  // the one-line box
    edit.DlgText = "abc";
    Show([](frmEdit& window) {
        window.cmdSave->setFocus();  // as a click left it the time before
        QTest::mouseClick(window.cmdCancel, Qt::LeftButton);
    });
    Show([](frmEdit& window) {
        EXPECT_EQ(window.focusWidget(), window.txtEdit) << "typing starts in the text";
        QTest::keyClick(window.txtEdit, Qt::Key_End);
        QTest::keyClicks(window.txtEdit, "d");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    });
    EXPECT_TRUE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "abcd");

    edit.DlgMode = 7;  // any other value: the large box
    Show([](frmEdit& window) {
        QTest::keyClicks(window.txtLargeEdit, "e");
        QTest::mouseClick(window.cmdCancel, Qt::LeftButton);
    });
    EXPECT_FALSE(edit.DlgResult);
    EXPECT_EQ(edit.DlgText, "eabcd") << "the text as it stood when the window closed";
}

TEST_F(ucEditTest, AnUnchangedTextComesBackByteForByteAChangedOneWithCrLfLineBreaks) {
    std::string every;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') every += static_cast<char>(b);
    for (const std::string& text : {every + "\r\nsecond line\r\n", std::string("mixed\r\nlf\n")}) {
        edit.DlgText = text;
        Show([](frmEdit& window) { QTest::mouseClick(window.cmdSave, Qt::LeftButton); });
        EXPECT_EQ(edit.DlgText, text);
    }
    Show([](frmEdit& window) {
        QTest::keyClicks(window.txtLargeEdit, "new");
        QTest::keyClick(window.txtLargeEdit, Qt::Key_Return);
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    });
    EXPECT_EQ(edit.DlgText, "new\r\nmixed\r\nlf\r\n");
}

TEST_F(ucEditTest, ATextTheGamesFilesCannotHoldStaysOpenWithTheMessage) {
    edit.DlgText = "text";
    Show([this](frmEdit& window) {
        window.txtLargeEdit->insertPlainText("Жук");
        prompts.ExpectMessage(
            "The text holds characters that the game's text files cannot store; they hold only "
            "the characters of Windows-1252.");
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    EXPECT_FALSE(edit.DlgResult);
}

TEST_F(ucEditTest, ChangedTextIsNotThrownAwayUnaskedWhateverWayTheWindowCloses) {
    const std::string question = "The text has been changed.\r\nDo you want to save it?";
    edit.AskBeforeDiscarding = true;
    using Close = std::function<void(frmEdit&)>;
    const struct {
        const char* way;
        Close close;
    } ways[] = {
        {"Escape", [](frmEdit& w) { QTest::keyClick(w.txtLargeEdit, Qt::Key_Escape); }},
        {"Cancel", [](frmEdit& w) { QTest::mouseClick(w.cmdCancel, Qt::LeftButton); }},
        {"the close box", [](frmEdit& w) { w.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        edit.DlgText = "old";
        Show([&](frmEdit& window) {
            EXPECT_EQ(window.focusWidget(), window.txtLargeEdit) << "typing starts there";
            QTest::keyClicks(window.txtLargeEdit, "new ");
            prompts.ExpectMessage({question, platform::MessageButtons::SaveDiscardCancel,
                                   platform::MessageIcon::Question, "XaL Campaign Editor"},
                                  platform::MessageAnswer::Cancel);
            way.close(window);
            EXPECT_TRUE(window.isVisible()) << "Cancel goes back to the text";
            prompts.ExpectMessage(question, platform::MessageAnswer::Save);
            way.close(window);
        });
        EXPECT_TRUE(edit.DlgResult);
        EXPECT_EQ(edit.DlgText, "new old");

        Show([&](frmEdit& window) {
            QTest::keyClicks(window.txtLargeEdit, "x");
            prompts.ExpectMessage(question, platform::MessageAnswer::Discard);
            way.close(window);
        });
        EXPECT_FALSE(edit.DlgResult);
        Show([&](frmEdit& window) { way.close(window); });  // unchanged: nothing to ask
        EXPECT_FALSE(edit.DlgResult);
    }
}

}  // namespace
}  // namespace xal::gui
