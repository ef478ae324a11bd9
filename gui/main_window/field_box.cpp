// SPDX-License-Identifier: MIT
#include "gui/main_window/field_box.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <memory>

#include "gui/main_window/accessible_controls.h"

namespace xal::gui {
namespace {

// Tab and Shift+Tab only move the focus on, and a modifier pressed alone does nothing yet.
bool Counts(const QKeyEvent& key) {
    static constexpr int kNoEdit[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Shift, Qt::Key_Control,
                                      Qt::Key_Alt, Qt::Key_Meta,    Qt::Key_AltGr};
    return std::ranges::find(kNoEdit, key.key()) == std::end(kNoEdit);
}

}  // namespace

FieldBox::FieldBox(QWidget* parent) : QLineEdit(parent) {
    UseAccessibleControls();
}

void FieldBox::UseCampaignHistory(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
}

bool FieldBox::IsCampaignHistoryKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    return (undo_ && undo_->shortcuts().contains(pressed)) ||
           (redo_ && redo_->shortcuts().contains(pressed));
}

bool FieldBox::event(QEvent* event) {
    // A shortcut's key reaches the box as an override request first. The box's own keys
    // come back as key presses; any other may run a menu command, which is an edit too.
    if (event->type() != QEvent::ShortcutOverride) return QLineEdit::event(event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsCampaignHistoryKey(*key)) return true;
    QLineEdit::event(event);
    if (!event->isAccepted() && Counts(*key)) emit keyPressed();
    return true;
}

void FieldBox::keyPressEvent(QKeyEvent* event) {
    // The campaign's Undo and Redo, when there is nothing to take back or make again.
    if (!IsCampaignHistoryKey(*event)) QLineEdit::keyPressEvent(event);
    if (Counts(*event)) emit keyPressed();
}

QMenu* FieldBox::Menu() {
    QMenu* menu = createStandardContextMenu();
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    const QString redo = QCoreApplication::translate("QLineEdit", "&Redo");
    for (QAction* action : menu->actions()) {
        const bool isUndo = action->text().startsWith(undo);
        if (!isUndo && !action->text().startsWith(redo)) continue;
        menu->insertAction(action, isUndo ? undo_ : redo_);
        menu->removeAction(action);
    }
    return menu;
}

void FieldBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(Menu());
    menu->exec(event->globalPos());
}

}  // namespace xal::gui
