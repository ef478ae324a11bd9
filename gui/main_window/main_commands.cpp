// SPDX-License-Identifier: MIT
#include "gui/main_window/main_commands.h"

#include <QMenuBar>
#include <tuple>

#include "core/base/conversions.h"
#include "gui/main_window/form_controls.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {

void MainCommands::BuildCommands(QMainWindow* window, QWidget* client) {
    tbMain = Place(new QToolBar(client), "tbMain", {0, 0, 11895, 330});
    tbMain->setIconSize(QSize(16, 16));
    BuildMenus(window);
    BuildToolbar();
}

void MainCommands::BuildMenus(QMainWindow* window) {
    auto item = [](QMenu* menu, const char* name, const char* caption, bool enabled) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        return action;
    };
    mnuFile = window->menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuNew = item(mnuFile, "mnuNew", "&New...", true);
    mnuOpen = item(mnuFile, "mnuOpen", "&Open...", true);
    mnuRecent = mnuFile->addMenu("Open &Recent");
    mnuRecent->setObjectName("mnuRecent");
    mnuSave = item(mnuFile, "mnuSave", "&Save", false);
    mnuSaveAs = item(mnuFile, "mnuSaveAs", "Save &As...", false);
    mnuFile->addSeparator()->setObjectName("mnuSeparator");
    mnuExit = item(mnuFile, "mnuExit", "E&xit", true);
    // The desktop's usual keys; a disabled item ignores its key. Where the platform names
    // no key for a command, the common one stands in.
    const std::tuple<QAction*, QKeySequence::StandardKey, QKeySequence> keys[] = {
        {mnuNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {mnuOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {mnuSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {mnuSaveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {mnuExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [action, standard, common] : keys) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(standard);
        if (!sequences.contains(common)) sequences.prepend(common);
        action->setShortcuts(sequences);
    }

    // One history of the campaign's edits, for the menu and for the keys in any field.
    QMenu* edit = window->menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    mnuUndo = item(edit, "mnuUndo", "&Undo", false);
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = item(edit, "mnuRedo", "&Redo", false);
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* tools = window->menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    mnuCamp_Up = item(tools, "mnuCamp_Up", "", false);
    mnuCamp_Up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    mnuCamp_Down = item(tools, "mnuCamp_Down", "", false);
    mnuCamp_Down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    mnuScn_Up = item(tools, "mnuScn_Up", "", false);
    mnuScn_Up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    mnuScn_Down = item(tools, "mnuScn_Down", "", false);
    mnuScn_Down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    tools->addSeparator()->setObjectName("mnuSeparator2");
    mnuReport = item(tools, "mnuReport", "&Save campaign report", false);
    mnuMap = item(tools, "mnuMap", "Campaign &map", false);
#ifndef XAL_CAMPAIGN_MAP
    mnuMap->setVisible(false);  // no Graphviz in this build: no map, in the menu or toolbar
#endif
    tools->addSeparator()->setObjectName("mnuSeparator1");
    mnuOptions = item(tools, "mnuOptions", "&Options...", true);

    QMenu* help = window->menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    mnuAbout = item(help, "mnuAbout", "&About...", true);
}

void MainCommands::BuildToolbar() {
    struct Button {
        const char* key;
        const char* picture;
        QAction* command;
        const char* toolTip;
    };
    // A null key is a separator; the prestige buttons get their tool tips with their
    // captions.
    const Button buttons[] = {
        {"NEW", "new", mnuNew, "New campaign"},
        {"OPEN", "open", mnuOpen, "Open campaign"},
        {"SAVE", "save", mnuSave, "Save campaign"},
        {nullptr, nullptr, nullptr, nullptr},
        {"CAMP_UP", "raise_all", mnuCamp_Up, nullptr},
        {"CAMP_DOWN", "lower_all", mnuCamp_Down, nullptr},
        {"SCN_UP", "raise_one", mnuScn_Up, nullptr},
        {"SCN_DOWN", "lower_one", mnuScn_Down, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"REPORT", "report", mnuReport, "Save campaign report"},
        {"MAP", "map", mnuMap, "Campaign map"},
        {nullptr, nullptr, nullptr, nullptr},
        {"OPTIONS", "options", mnuOptions, "Options"},
        {nullptr, nullptr, nullptr, nullptr},
        {"HELP", "help", mnuAbout, "Help/About"},
    };
    for (const Button& button : buttons) {
        if (!button.key) {
            tbMain->addSeparator();
            continue;
        }
        QAction* action = button.command;
        action->setIcon(Picture(button.picture));
        // The menus show captions only.
        action->setIconVisibleInMenu(false);
        action->setData(QString(button.key));
        // The button's text, which only a screen reader says, is its tool tip.
        if (button.toolTip) {
            action->setToolTip(button.toolTip);
            action->setIconText(button.toolTip);
        }
        tbMain->addAction(action);
        tbMain->widgetForAction(action)->setObjectName(QString("tbMain_") + button.key);
        toolbarButtons_.insert(button.key, action);
    }
}

void MainCommands::ShowCommandStates(const CampaignDocument& document,
                                     const SettingsRecord& settings) {
    const bool open = document.IsOpen();
    mnuSave->setEnabled(open && document.HasUnsavedChanges());
    for (QAction* command :
         {mnuSaveAs, mnuReport, mnuMap, mnuCamp_Up, mnuCamp_Down, mnuScn_Up, mnuScn_Down})
        command->setEnabled(open);

    // The captions name the step: "Undo Delete scenario 2".
    auto caption = [](const char* command, const std::string& step) {
        return Utf8ToQString(step.empty() ? command : command + (" " + step));
    };
    mnuUndo->setEnabled(document.CanUndo());
    mnuUndo->setText(caption("&Undo", document.UndoText()));
    mnuRedo->setEnabled(document.CanRedo());
    mnuRedo->setText(caption("&Redo", document.RedoText()));

    // The prestige commands name the settings' increment, in the menu and as tool tips.
    const QString increment = ToQString(DecimalText(settings.PrestigeIncrement));
    const std::pair<QAction*, QString> prestige[] = {
        {mnuCamp_Up, "Increase prestige of all scenarios by "},
        {mnuCamp_Down, "Decrease prestige of all scenarios by "},
        {mnuScn_Up, "Increase prestige of selected scenario by "},
        {mnuScn_Down, "Decrease prestige of selected scenario by "}};
    for (const auto& [command, text] : prestige) {
        command->setText(text + increment);
        command->setToolTip(text + increment);
        command->setIconText(text + increment);
    }
}

}  // namespace xal::gui
