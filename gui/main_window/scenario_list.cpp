// SPDX-License-Identifier: MIT
#include "gui/main_window/scenario_list.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "core/base/error.h"
#include "core/platform/prompts.h"
#include "gui/main_window/form_controls.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

using Change = DocumentChange;

// Keeps a list's header hidden until the list is first shown: sizing the header measures
// its captions in bold, and loading that font would hold up start-up while the campaign's
// controls are still hidden.
class HeaderShownWithList : public QObject {
  public:
    explicit HeaderShownWithList(QTreeView* list) : QObject(list) {
        list->header()->hide();
        list->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* list = static_cast<QTreeView*>(watched);
            list->removeEventFilter(this);
            list->header()->show();
            deleteLater();
        }
        return false;
    }
};

QPushButton* AddButton(QWidget* frame, const char* name, const char* caption, Twips at,
                       const char* toolTip) {
    auto* button = Place(new QPushButton(caption, frame), name, at);
    button->setToolTip(toolTip);
    return button;
}

}  // namespace

ScenarioList::ScenarioList(CampaignDocument& document, std::function<void(int)> show,
                           QWidget* frame)
    : QObject(frame), document_(document), show_(std::move(show)) {
    list_ = Place(new QTreeWidget(frame), "lvScenarios", {120, 1440, 2535, 4695});
    list_->setToolTip("List of scenarios in the campaign");
    list_->setAccessibleName(list_->toolTip());
    list_->setColumnCount(2);
    list_->setHeaderLabels({"Nr.", "Scenario"});
    list_->setRootIsDecorated(false);
    new HeaderShownWithList(list_);
    list_->setColumnWidth(0, 420 / kTwipsPerPixel);
    list_->setColumnWidth(1, 1800 / kTwipsPerPixel);
    QPushButton* up = AddPictureButton(frame, "cmdUp", {2760, 3360, 375, 375}, Picture("up"),
                                       "Move selected scenario up");
    QPushButton* down = AddPictureButton(frame, "cmdDown", {2760, 3840, 375, 375}, Picture("down"),
                                         "Move selected scenario down");
    QPushButton* add =
        AddButton(frame, "cmdAdd", "&Add", {840, 6240, 855, 375}, "Add new scenario");
    QPushButton* remove = AddButton(frame, "cmdDelete", "&Delete", {1800, 6240, 855, 375},
                                    "Delete selected scenario");

    connect(up, &QPushButton::clicked, this, [this] { Move(MoveDirection::Up); });
    connect(down, &QPushButton::clicked, this, [this] { Move(MoveDirection::Down); });
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(remove, &QPushButton::clicked, this, [this] { Delete(); });
    auto showEntry = [this](QTreeWidgetItem* entry) {
        if (entry) show_(list_->indexOfTopLevelItem(entry));
    };
    connect(list_, &QTreeWidget::itemClicked, this, showEntry);
    // Moving through the list with the keyboard shows each scenario too.
    connect(list_, &QTreeWidget::currentItemChanged, this, showEntry);
}

void ScenarioList::Draw(const DocumentChange& change) {
    const QSignalBlocker drawing(list_);
    if (change.Has(Change::kReplaced | Change::kScenarioList)) {
        DrawEntries();
    } else if (change.Has(Change::kField) && change.field == Field::ScenarioFile) {
        const Byte nr = change.place.scenario;
        list_->topLevelItem(nr)->setText(
            1, ToQString(document_.Campaign()->ScenarioAt(nr)->ScenarioName()));
    }
    if (!change.Has(Change::kReplaced | Change::kScenarioList | Change::kRestored)) return;
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    if (change.scenario) Select(*change.scenario);
}

void ScenarioList::DrawEntries() {
    // The entries' numbers depend on the number of scenarios only: a campaign of hundreds
    // of scenarios is redrawn by changing what changed.
    const Campaign& campaign = *document_.Campaign();
    const int count = campaign.NrOfScenarios();
    list_->setCurrentItem(nullptr);
    while (list_->topLevelItemCount() > count)
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
    QList<QTreeWidgetItem*> added;
    for (int i = list_->topLevelItemCount(); i < count; ++i) {
        auto* entry = new QTreeWidgetItem;
        entry->setText(0, ToQString(DecimalText(i)));
        added << entry;
    }
    list_->addTopLevelItems(added);
    for (int i = 0; i < count; ++i) {
        const QString name = ToQString(campaign.ScenarioAt(static_cast<Byte>(i))->ScenarioName());
        if (list_->topLevelItem(i)->text(1) != name) list_->topLevelItem(i)->setText(1, name);
    }
}

void ScenarioList::Select(int scenarioNr) {
    QTreeWidgetItem* entry = list_->topLevelItem(scenarioNr);
    if (!entry) return;
    {
        const QSignalBlocker selecting(list_);
        list_->setCurrentItem(entry);
    }
    list_->scrollToItem(entry);
}

std::optional<Byte> ScenarioList::Selected() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<Byte>(list_->indexOfTopLevelItem(selected.first()));
}

void ScenarioList::Add() {
    try {
        document_.AddScenario();
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

void ScenarioList::Move(MoveDirection direction) {
    const auto from = Selected();
    if (from && document_.CanMoveScenario(*from, direction))
        document_.MoveScenario(*from, direction);
}

void ScenarioList::Delete() {
    if (!document_.CanDeleteScenario()) {
        platform::ShowMessage("A campaign must have at least one scenario",
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        return;
    }
    if (const auto scenarioNr = Selected()) document_.DeleteScenario(*scenarioNr);
}

}  // namespace xal::gui
