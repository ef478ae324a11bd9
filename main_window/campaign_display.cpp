// SPDX-License-Identifier: MIT
// Putting the current campaign on the main window, and the controls that only choose.
#include <QStandardItemModel>

#include "main_window/frm_main.h"
#include "platform/qt_text.h"
#include "settings/country_list.h"

namespace xal::gui {
namespace {

QString Decimal(long long value) {
    return ToQString(DecimalText(value));
}

// Selects the first of at most `limit` entries that carries `value`; true when one does.
bool SelectEntryOf(QComboBox* list, int value, int limit) {
    for (int i = 0; i < list->count() && i < limit; ++i) {
        if (list->itemData(i).toInt() == value) {
            list->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

}  // namespace

void frmMain::ConnectDisplayHandlers() {
    connect(cbxCountry, &QComboBox::currentIndexChanged, this, [this] { cbxCountry_Click(); });
    // Opening the list marks the campaign changed, and so does every choice the user
    // makes by any other way too: the wheel, the arrow keys, typed letters.
    connect(cbxCountry, &DropDownList::droppedDown, this, &frmMain::MarkChanged);
    connect(cbxCountry, &QComboBox::activated, this, &frmMain::MarkChanged);
    for (int k = 0; k < kOutcomeCount; ++k) {
        connect(cbxVictoryGoto[k], &QComboBox::currentIndexChanged, this,
                [this, k] { cbxVictoryGoto_Click(k); });
        connect(cbxVictoryGoto[k], &DropDownList::droppedDown, this, &frmMain::MarkChanged);
        connect(cbxVictoryGoto[k], &QComboBox::activated, this, &frmMain::MarkChanged);
    }
    connect(lvScenarios, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { lvScenarios_ItemClick(item); });
    // Moving through the list with the keyboard shows each scenario too.
    connect(lvScenarios, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!IsDisplaying()) lvScenarios_ItemClick(item);
    });
}

void frmMain::RefreshCampaignDisplay() {
    DisplayScope displaying(*this);
    const Campaign& campaign = *document_.Campaign();
    txtCampaignVictoryMOV->setText(ToQString(campaign.VictoryMOV()));
    txtCampaignDefeatMOV->setText(ToQString(campaign.DefeatMOV()));
    txtCampaignTXT->setText(ToQString(campaign.CampaignTXT()));
    txtCampaignNrOfScenarios->setText(Decimal(campaign.NrOfScenarios()));
    txtCampaignPrestige->setText(Decimal(campaign.Prestige()));
    // A country the list does not hold shows as none, not as the one shown before.
    if (!SelectEntryOf(cbxCountry, campaign.Country(), kCountryCount))
        cbxCountry->setCurrentIndex(-1);

    // The go-to entries and the list's entries depend on the number of scenarios only, but
    // for the names: a campaign of hundreds of scenarios is redrawn by changing what changed.
    const int count = campaign.NrOfScenarios();
    if (cbxVictoryGoto[0]->count() != count + 1) {
        // The four lists share one list of choices, made once.
        QList<QStandardItem*> entries;
        entries << new QStandardItem("END/SCORE");
        entries.back()->setData(int{Victory::EndOfCampaign}, Qt::UserRole);
        for (int i = 0; i < count; ++i) {
            entries << new QStandardItem(Decimal(i));
            entries.back()->setData(i, Qt::UserRole);
        }
        auto* choices = new QStandardItemModel(this);
        choices->invisibleRootItem()->appendRows(entries);
        // A list deletes the model it made itself; the shared one is the window's.
        QAbstractItemModel* previous = cbxVictoryGoto[0]->model();
        const bool shared = previous->parent() == this;
        for (DropDownList* list : cbxVictoryGoto) list->setModel(choices);
        if (shared) delete previous;
    }
    lvScenarios->clearSelection();
    lvScenarios->setCurrentItem(nullptr);
    while (lvScenarios->topLevelItemCount() > count)
        delete lvScenarios->takeTopLevelItem(lvScenarios->topLevelItemCount() - 1);
    QList<QTreeWidgetItem*> added;
    for (int i = lvScenarios->topLevelItemCount(); i < count; ++i) {
        auto* entry = new QTreeWidgetItem;
        entry->setData(0, Qt::UserRole, "_" + Decimal(i));
        entry->setText(0, Decimal(i));
        added << entry;
    }
    lvScenarios->addTopLevelItems(added);
    for (int i = 0; i < count; ++i) {
        const QString name = ToQString(campaign.ScenarioAt(static_cast<Byte>(i))->ScenarioName());
        if (lvScenarios->topLevelItem(i)->text(1) != name)
            lvScenarios->topLevelItem(i)->setText(1, name);
    }
    RefreshScenarioDisplay(0);
    RefreshCampaignMap();
}

void frmMain::RefreshScenarioDisplay(Byte charScenario) {
    DisplayScope displaying(*this);
    const Scenario& scenario = *document_.Campaign()->ScenarioAt(charScenario);
    txtScenarioNr->setText(Decimal(scenario.ScenarioNr()));
    fraScenario->setTitle("Scenario " + Decimal(scenario.ScenarioNr()));
    txtScenario->setText(ToQString(scenario.ScenarioName()));
    txtScenarioMOV->setText(ToQString(scenario.ScenarioMOV()));
    txtScenarioTXT->setText(ToQString(scenario.ScenarioTXT()));
    txtScenarioPrestige->setText(Decimal(scenario.Prestige()));
    for (int k = 0; k < kOutcomeCount; ++k) {
        const Victory& victory = *scenario.Victories()->Item(k + 1);
        txtVictoryMOV[k]->setText(ToQString(victory.VictoryMOV()));
        txtVictoryTXT[k]->setText(ToQString(victory.VictoryTXT()));
        txtVictoryPrestige[k]->setText(Decimal(victory.Prestige()));
        // A go-to that names no scenario of the campaign selects no entry.
        if (!SelectEntryOf(cbxVictoryGoto[k], victory.OnEndGoTo(), cbxVictoryGoto[k]->count()))
            cbxVictoryGoto[k]->setCurrentIndex(-1);
    }
}

QTreeWidgetItem* frmMain::ScenarioEntry(const QString& key) const {
    for (int i = 0; i < lvScenarios->topLevelItemCount(); ++i) {
        QTreeWidgetItem* entry = lvScenarios->topLevelItem(i);
        if (entry->data(0, Qt::UserRole).toString() == key) return entry;
    }
    return nullptr;
}

void frmMain::lvScenarios_ItemClick(QTreeWidgetItem* item) {
    if (!item) return;
    const QString key = item->data(0, Qt::UserRole).toString();
    RefreshScenarioDisplay(ToByte(key.mid(1).toLongLong()));
}

void frmMain::cbxCountry_Click() {
    if (IsDisplaying() || cbxCountry->currentIndex() < 0) return;
    document_.SetCountry(ToByte(cbxCountry->currentData().toLongLong()));
}

void frmMain::cbxVictoryGoto_Click(int index) {
    DropDownList* list = cbxVictoryGoto[index];
    if (IsDisplaying() || list->currentIndex() < 0) return;
    document_.SetGoTo(DisplayedPlace(index).scenario, static_cast<Byte>(index),
                      ToByte(list->currentData().toLongLong()));
    RefreshCampaignMap();
}

}  // namespace xal::gui
