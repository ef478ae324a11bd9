// SPDX-License-Identifier: MIT
#include "gui/campaign_map/map_accessible.h"

#include <QAccessibleWidget>
#include <QGraphicsItem>
#include <QHash>
#include <QPointer>

#include "core/campaign_map/map_reading.h"
#include "gui/campaign_map/map_scene.h"
#include "gui/campaign_map/node_box.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

class AccessibleBox : public QAccessibleInterface {
  public:
    AccessibleBox(MapView* view, std::size_t box) : view_(view), box_(box) {}

    bool isValid() const override { return view_ && box_ < view_->Boxes().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? ToQString(BoxDescription(view_->Graph(), box_))
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect inView =
            view_->mapFromScene(view_->Boxes()[box_]->sceneBoundingRect()).boundingRect();
        return QRect(view_->viewport()->mapToGlobal(inView.topLeft()), inView.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (!isValid()) return state;
        state.focused = view_->hasFocus() && view_->CurrentBox() == box_;
        const MapNode& node = view_->Graph().nodes[box_];
        state.selected = node.kind == MapNode::Kind::Scenario && view_->Boxes()[box_]->IsShown();
        return state;
    }

  private:
    QPointer<MapView> view_;
    std::size_t box_;
};

// The registered interfaces of each view's boxes, made as they are asked for.
QHash<const MapView*, std::vector<QAccessible::Id>>& BoxIds() {
    static QHash<const MapView*, std::vector<QAccessible::Id>> ids;
    return ids;
}

QAccessibleInterface* BoxInterface(MapView* view, std::size_t box) {
    std::vector<QAccessible::Id>& ids = BoxIds()[view];
    if (ids.size() < view->Boxes().size()) ids.resize(view->Boxes().size(), 0);
    if (box >= ids.size()) return nullptr;
    if (ids[box] == 0)
        ids[box] = QAccessible::registerAccessibleInterface(new AccessibleBox(view, box));
    return QAccessible::accessibleInterface(ids[box]);
}

void ForgetBoxes(const MapView* view) {
    for (QAccessible::Id id : BoxIds().take(view))
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

class AccessibleMap : public QAccessibleWidget {
  public:
    explicit AccessibleMap(QWidget* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~AccessibleMap() override { ForgetBoxes(View()); }

    int childCount() const override { return static_cast<int>(View()->Boxes().size()); }
    QAccessibleInterface* child(int index) const override {
        return index < 0 ? nullptr : BoxInterface(View(), static_cast<std::size_t>(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const auto current = View()->CurrentBox();
        return current ? BoxInterface(View(), *current) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }

  private:
    MapView* View() const { return static_cast<MapView*>(widget()); }
};

QAccessibleInterface* MapInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(MapView::staticMetaObject.className()))
        return new AccessibleMap(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void UseAccessibleMap() {
    static const bool installed = [] {
        QAccessible::installFactory(&MapInterface);
        return true;
    }();
    (void)installed;
}

void MapRedrawn(MapView* view) {
    ForgetBoxes(view);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent reordered(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

void CurrentBoxChanged(MapView* view, std::size_t box) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(static_cast<int>(box));
    QAccessible::updateAccessibility(&focus);
}

}  // namespace xal::gui
