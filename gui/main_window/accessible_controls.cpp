// SPDX-License-Identifier: MIT
#include "gui/main_window/accessible_controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "gui/main_window/drop_down_list.h"
#include "gui/main_window/field_box.h"

namespace xal::gui {
namespace {

// Qt names a drop-down list on Linux by its entry; here it is named by its label.
class AccessibleDropDownList : public QAccessibleWidget {
  public:
    explicit AccessibleDropDownList(QWidget* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    // Its one child is the list of its entries.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (actionNames().contains(action)) List()->showPopup();
    }

  private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

// Qt tells of a read-only box that it is editable too.
class AccessibleReadOnlyBox : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleReadOnlyBox(QWidget* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Its text, read as a whole; nothing of it is selected.
    QString text(int start, int end) const override {
        return Box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Box()->text().size()); }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* ControlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(DropDownList::staticMetaObject.className()))
        return new AccessibleDropDownList(static_cast<QWidget*>(object));
    auto* box = qobject_cast<FieldBox*>(object);
    if (className == QLatin1String(FieldBox::staticMetaObject.className()) && box->isReadOnly())
        return new AccessibleReadOnlyBox(box);
    return nullptr;
}

}  // namespace

void UseAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(&ControlInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace xal::gui
