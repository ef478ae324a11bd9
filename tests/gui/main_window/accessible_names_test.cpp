// SPDX-License-Identifier: MIT
#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/about/frm_about.h"
#ifdef XAL_CAMPAIGN_MAP
#include "gui/campaign_map/frm_map.h"
#endif
#include "gui/new_campaign/frm_new.h"
#include "gui/options/frm_options.h"
#include "gui/text_editor/frm_edit.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QGraphicsView*>(widget);
}

// Every control a user can reach in `window` whose name, as a screen reader reads it, is
// empty or only the caption of a frame around it, or a list without a label; a line
// "objectName: name" each.
QString BadlyNamedControls(QWidget* window) {
    QStringList bad;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A list's header is a part of the list.
        if (!IsControl(widget) || qobject_cast<QHeaderView*>(widget) ||
            !widget->isVisibleTo(window))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        bool frameCaption = false;
        for (QWidget* around = widget->parentWidget(); around; around = around->parentWidget())
            if (auto* frame = qobject_cast<QGroupBox*>(around))
                frameCaption = frameCaption || frame->title() == name;
        if (name.trimmed().isEmpty() || frameCaption) bad << widget->objectName() + ": " + name;
        // A list's name is its entry; a screen reader finds its label through a relation
        // (where the frame around it counts as a label too).
        if (qobject_cast<QComboBox*>(widget)) {
            const auto labels =
                QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
            if (std::ranges::none_of(labels, [](const auto& relation) {
                    return qobject_cast<QLabel*>(relation.first->object()) != nullptr;
                }))
                bad << widget->objectName() + ": no label";
        }
    }
    return bad.join("\n");
}

class AccessibleNamesTest : public test::MainWindowTest {};

TEST_F(AccessibleNamesTest, EveryControlOfEveryWindowHasANameOfItsOwn) {
    gui::frmMain& main = Window();
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
    gui::frmNew wizard(settings, &main);
    gui::frmOptions options(settings, campaigns.Path().string(), &main);
    gui::frmAbout about(&main, campaigns.Path().string());
    gui::frmEdit lineEditor(&main);
    gui::frmEdit textEditor(&main);
    textEditor.UseLayout(1);
    std::vector<QWidget*> windows{&main, &wizard, &options, &about, &lineEditor, &textEditor};
#ifdef XAL_CAMPAIGN_MAP
    gui::frmMap map(
        document, [](Byte) {}, &main);
    windows.push_back(&map);
#endif
    for (QWidget* window : windows)
        EXPECT_EQ(BadlyNamedControls(window).toStdString(), "")
            << window->objectName().toStdString();
    for (const char* key : {"SAVE", "CAMP_UP", "HELP"}) {  // a toolbar button says its tool tip
        QWidget* button = main.tbMain->widgetForAction(main.ToolbarButton(key));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                  button->toolTip());
    }
}

}  // namespace
}  // namespace xal
