#include <QFormLayout>
#include <QLabel>

#include "model/mod_main.h"
#include "settings/frm_options.h"
#include "settings/registry.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using namespace settings_keys;

class OptionsDialogTest : public test::MainWindowTest {
  protected:
    OptionsDialogTest() {
        SettingsRecord& settings = modMain::Settings;
        settings.ScenarioEditorPath = "/opt/rh/editor.exe";
        settings.ScnFileSeparator = "_";
        settings.ScnInfoFileSeparator = "i";
        settings.ScnBVFileSeparator = "b";
        settings.ScnVFileSeparator = "v";
        settings.ScnTVFileSeparator = "t";
        settings.ScnLFileSeparator = "l";
    }

    // Opens the options with the toolbar; `work` works in the dialog and must close it.
    void RunOptions(const std::function<void(gui::frmOptions&)>& work) {
        Window();
        prompts.ExpectDialog("frmOptions", [work](void* dialog) {
            auto& options = *static_cast<gui::frmOptions*>(dialog);
            options.show();
            work(options);
            EXPECT_FALSE(options.isVisible());
        });
        ClickToolbar("OPTIONS");
        prompts.VerifyDone();
    }

    std::string Stored(const char* name) {
        const RegistryValue value =
            RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSettingsKey, name);
        return value.IsText() ? value.Text() : "(not a text)";
    }

    static void Retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
};

QString LabelOf(QWidget* box) {
    auto* form = box->parentWidget()->findChild<QFormLayout*>();
    for (int row = 0; form && row < form->rowCount(); ++row) {
        QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
        const bool holds = field && (field->widget() == box ||
                                     (field->layout() && field->layout()->indexOf(box) >= 0));
        if (!holds) continue;
        auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        return label ? label->text() : QString();
    }
    return {};
}

TEST_F(OptionsDialogTest, ShowsTheSettingsAndOkStoresThemAsTexts) {
    modMain::Settings.PrestigeIncrement = 250;
    RunOptions([this](gui::frmOptions& options) {
        EXPECT_EQ(options.windowTitle(), "Options");
        const std::tuple<QLineEdit*, std::string, const char*> boxes[] = {
            {options.txtRHXaLScenarioEditor, "/opt/rh/editor.exe", "RH XaL Scenario Editor:"},
            {options.txtXaLPath, game.File(""), "Xandor's Legion folder:"},
            {options.txtScenarioFileSeparator, "_", "Scenario file separator:"},
            {options.txtInfoFileSeparator, "i", "Scenario info file separator:"},
            {options.txtBVFileSeparator, "b", "Scenario BV file separator:"},
            {options.txtVFileSeparator, "v", "Scenario V file separator:"},
            {options.txtTVFileSeparator, "t", "Scenario TV file separator:"},
            {options.txtLFileSeparator, "l", "Scenario L file separator:"},
            {options.txtPrestigeIncrement, "250", "Prestige increment:"}};
        for (const auto& [box, value, label] : boxes) {
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(box->text().toStdString(), value);
            EXPECT_EQ(LabelOf(box), label);
        }
        EXPECT_EQ(options.cmdSelectXaLPath->toolTip(), "Select your Xandor's Legion Folder");
        EXPECT_TRUE(options.cmdOK->isDefault());
        EXPECT_EQ(options.cmdCancel->text(), "Cancel");

        Retype(options.txtXaLPath, "/games/Legion/");
        Retype(options.txtInfoFileSeparator, "");
        Retype(options.txtLFileSeparator, "-loss");
        Retype(options.txtPrestigeIncrement, "500");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    const SettingsRecord& settings = modMain::Settings;
    EXPECT_EQ(settings.GameFolder, "/games/Legion/");
    EXPECT_EQ(settings.ScnInfoFileSeparator, "");
    EXPECT_EQ(settings.ScnLFileSeparator, "-loss");
    EXPECT_EQ(settings.PrestigeIncrement, 500);
    EXPECT_EQ(Stored(kScenarioEditor), "/opt/rh/editor.exe");
    EXPECT_EQ(Stored(kGameFolder), "/games/Legion/");
    EXPECT_EQ(Stored(kScnFileSeparator), "_");
    EXPECT_EQ(Stored(kScnInfoFileSeparator), "");
    EXPECT_EQ(Stored(kScnBVFileSeparator), "b");
    EXPECT_EQ(Stored(kScnLFileSeparator), "-loss");
    EXPECT_EQ(Stored(kPrestigeIncrement), "500") << "a text, not a number";

    EXPECT_EQ(Window().mnuCamp_Up->text(), "Increase prestige of all scenarios by 500");
    EXPECT_EQ(Window().mnuScn_Down->text(), "Decrease prestige of selected scenario by 500");
    EXPECT_EQ(Window().ToolbarButton("SCN_DOWN")->toolTip(),
              "Decrease prestige of selected scenario by 500");
    EXPECT_EQ(Window().ToolbarButton("CAMP_UP")->toolTip(),
              "Increase prestige of all scenarios by 500");
}

TEST_F(OptionsDialogTest, TheIncrementGuardAndAnIncrementStoredOutOfRange) {
    modMain::Settings.PrestigeIncrement = 100000;
    RunOptions([](gui::frmOptions& options) {
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "1000") << "100000 shows as 1000";
        Retype(options.txtPrestigeIncrement, "65001");
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "1000");
        Retype(options.txtPrestigeIncrement, "-");
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "1000");
        Retype(options.txtPrestigeIncrement, "65000");
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "65000");
        Retype(options.txtPrestigeIncrement, "12.5");
        QTest::keyClick(&options, Qt::Key_Return);  // the default button
    });
    EXPECT_EQ(modMain::Settings.PrestigeIncrement, 12) << "halves to even";
    EXPECT_EQ(Stored(kPrestigeIncrement), "12");
}

TEST_F(OptionsDialogTest, CancelAndEscapeStoreNothing) {
    RunOptions([](gui::frmOptions& options) {
        Retype(options.txtScenarioFileSeparator, "#");
        Retype(options.txtRHXaLScenarioEditor, "");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
    });
    RunOptions([](gui::frmOptions& options) {
        Retype(options.txtScenarioFileSeparator, "#");
        QTest::keyClick(&options, Qt::Key_Escape);
    });
    EXPECT_EQ(modMain::Settings.ScnFileSeparator, "_");
    EXPECT_EQ(Stored(kScnFileSeparator), "(not a text)") << "nothing was written";
    EXPECT_TRUE(Window().cmdEditScenario->isEnabled());
}

TEST_F(OptionsDialogTest, TheEditorPathEnablesTheScenarioEditorButton) {
    RunOptions([](gui::frmOptions& options) {
        Retype(options.txtRHXaLScenarioEditor, "");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_FALSE(Window().cmdEditScenario->isEnabled());
    EXPECT_EQ(Stored(kScenarioEditor), "");

    RunOptions([this](gui::frmOptions& options) {
        prompts.ExpectFilePick("Select application", "/opt/other/XaLEdit.exe");
        QTest::mouseClick(options.cmdSelectRHXaLScenarioEditor, Qt::LeftButton);
        EXPECT_EQ(options.txtRHXaLScenarioEditor->text(), "/opt/other/XaLEdit.exe");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_TRUE(Window().cmdEditScenario->isEnabled());
    EXPECT_EQ(modMain::Settings.ScenarioEditorPath, "/opt/other/XaLEdit.exe");
}

TEST_F(OptionsDialogTest, BrowsingForTheGameFolderKeepsOnlyTheChosenFilesFolder) {
    RunOptions([this](gui::frmOptions& options) {
        prompts.ExpectFilePick("Select application", "/games/Legion/any file.txt");
        QTest::mouseClick(options.cmdSelectXaLPath, Qt::LeftButton);
        EXPECT_EQ(prompts.FilePicks().back().initialFileName, game.File("") + "xandors.exe");
        EXPECT_EQ(options.txtXaLPath->text(), "/games/Legion/");

        prompts.ExpectFilePick("Select application", std::nullopt);  // cancelled: no message
        QTest::mouseClick(options.cmdSelectXaLPath, Qt::LeftButton);
        EXPECT_EQ(options.txtXaLPath->text(), "/games/Legion/");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(modMain::Settings.GameFolder, game.File(""));
}

}  // namespace
}  // namespace xal
