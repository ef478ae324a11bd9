// SPDX-License-Identifier: MIT
// The editable fields write straight into the current campaign: file names up to 20
// characters, prestige from 0 to 65000. Any key pressed in a field marks the campaign
// changed.
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <memory>

#include "main_window/frm_main.h"
#include "model/campaign_limits.h"
#include "model/editing_rules.h"
#include "platform/number_guard.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

std::string TooLongMessage(const char* kind) {
    return "The maximum length of a " + std::string(kind) + " file name is " +
           DecimalText(limits::kFileNameField) + ".";
}

const std::string kTextMessage = TooLongMessage("text");
const std::string kMovieMessage = TooLongMessage("movie");
const std::string kScenarioMessage = TooLongMessage("scenario");
const char* const kCodePageMessage =
    "A campaign file can only hold file names in Latin letters (Windows-1252).";
const std::string kPrestigeWarning =
    "Not a number from 0 to " + DecimalText(limits::kEditorPrestige) + ": 0 will be saved.";
const char* const kDesignToolTip = "designToolTip";

// Shows a prestige box in the error style, with a tool tip that says why, or as designed.
void ShowPrestigeAccepted(QLineEdit* box, bool accepted) {
    if (accepted) {
        box->setPalette(QPalette());
        box->setToolTip(box->property(kDesignToolTip).toString());
        return;
    }
    QPalette error = box->palette();
    error.setColor(QPalette::Base, QColor(255, 214, 214));
    error.setColor(QPalette::Text, QColor(128, 0, 0));
    box->setPalette(error);
    box->setToolTip(Utf8ToQString(kPrestigeWarning));
}

}  // namespace

Scenario& frmMain::DisplayedScenario() const {
    return *document_.Campaign()->ScenarioAt(DisplayedPlace(0).scenario);
}

Victory& frmMain::DisplayedVictory(int index) const {
    return *DisplayedScenario().Victories()->Item(index + 1);
}

FieldPlace frmMain::DisplayedPlace(int outcome) const {
    return {ToByte(txtScenarioNr->text().toLongLong()), static_cast<Byte>(outcome)};
}

void frmMain::ConnectFieldHandlers() {
    auto campaign = [this] { return document_.Campaign().get(); };
    auto fileName = [this](QLineEdit* box, const std::string& message, auto get, auto set) {
        FileNameField field{box, message.c_str(), get, set};
        connect(box, &QLineEdit::textChanged, this, [this, field] { FileNameField_Change(field); });
    };
    fileName(
        txtCampaignTXT, kTextMessage, [campaign] { return campaign()->CampaignTXT(); },
        [this](const std::string& v) { document_.SetText(TextField::CampaignTXT, {}, v); });
    fileName(
        txtCampaignVictoryMOV, kMovieMessage, [campaign] { return campaign()->VictoryMOV(); },
        [this](const std::string& v) { document_.SetText(TextField::CampaignVictoryMOV, {}, v); });
    fileName(
        txtCampaignDefeatMOV, kMovieMessage, [campaign] { return campaign()->DefeatMOV(); },
        [this](const std::string& v) { document_.SetText(TextField::CampaignDefeatMOV, {}, v); });
    fileName(
        txtScenario, kScenarioMessage, [this] { return DisplayedScenario().ScenarioName(); },
        [this](const std::string& v) {
            document_.SetText(TextField::ScenarioFile, DisplayedPlace(0), v);
        });
    fileName(
        txtScenarioTXT, kTextMessage, [this] { return DisplayedScenario().ScenarioTXT(); },
        [this](const std::string& v) {
            document_.SetText(TextField::ScenarioTXT, DisplayedPlace(0), v);
        });
    fileName(
        txtScenarioMOV, kMovieMessage, [this] { return DisplayedScenario().ScenarioMOV(); },
        [this](const std::string& v) {
            document_.SetText(TextField::ScenarioMOV, DisplayedPlace(0), v);
        });
    for (int k = 0; k < kOutcomeCount; ++k) {
        fileName(
            txtVictoryTXT[k], kTextMessage, [this, k] { return DisplayedVictory(k).VictoryTXT(); },
            [this, k](const std::string& v) {
                document_.SetText(TextField::OutcomeTXT, DisplayedPlace(k), v);
            });
        fileName(
            txtVictoryMOV[k], kMovieMessage, [this, k] { return DisplayedVictory(k).VictoryMOV(); },
            [this, k](const std::string& v) {
                document_.SetText(TextField::OutcomeMOV, DisplayedPlace(k), v);
            });
    }

    auto prestige = [this](QLineEdit* box, std::function<void(Long)> store) {
        box->setProperty(kDesignToolTip, box->toolTip());
        connect(box, &QLineEdit::textChanged, this,
                [this, box, store] { PrestigeField_Change(box, store); });
    };
    prestige(txtCampaignPrestige,
             [this](Long v) { document_.SetPrestige(FieldLevel::Campaign, {}, v); });
    prestige(txtScenarioPrestige,
             [this](Long v) { document_.SetPrestige(FieldLevel::Scenario, DisplayedPlace(0), v); });
    for (int k = 0; k < kOutcomeCount; ++k)
        prestige(txtVictoryPrestige[k], [this, k](Long v) {
            document_.SetPrestige(FieldLevel::Outcome, DisplayedPlace(k), v);
        });

    for (QLineEdit* box : EditableFields()) {
        box->installEventFilter(this);
        // Whatever way the user changes the text (keys, a paste or drop with the mouse, a
        // middle-click paste, the field's menu), the campaign is changed; the display's
        // own changes are not edits.
        connect(box, &QLineEdit::textEdited, this, &frmMain::MarkChanged);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
            const std::unique_ptr<QMenu> menu(FieldMenu(box));
            menu->exec(box->mapToGlobal(at));
        });
    }
}

QMenu* frmMain::FieldMenu(QLineEdit* box) const {
    // The field's own menu, but with the campaign's Undo and Redo: the box's own history
    // would change the campaign behind the campaign's.
    QMenu* menu = box->createStandardContextMenu();
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    const QString redo = QCoreApplication::translate("QLineEdit", "&Redo");
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(undo) && !action->text().startsWith(redo)) continue;
        menu->insertAction(action, action->text().startsWith(undo) ? mnuUndo : mnuRedo);
        menu->removeAction(action);
    }
    return menu;
}

std::vector<QLineEdit*> frmMain::EditableFields() const {
    std::vector<QLineEdit*> boxes{txtCampaignTXT,      txtCampaignVictoryMOV, txtCampaignDefeatMOV,
                                  txtCampaignPrestige, txtScenario,           txtScenarioTXT,
                                  txtScenarioMOV,      txtScenarioPrestige};
    for (const auto* array : {&txtVictoryTXT, &txtVictoryMOV, &txtVictoryPrestige})
        boxes.insert(boxes.end(), array->begin(), array->end());
    return boxes;
}

void frmMain::FileNameField_Change(const FileNameField& field) {
    if (IsDisplaying()) return;
    // A pasted line break or other control character has no place in a file name: the
    // box shows what the campaign holds.
    QString typed = field.box->text();
    if (typed.removeIf([](QChar c) { return c.category() == QChar::Other_Control; }) !=
        field.box->text()) {
        DisplayScope cleaning(*this);
        field.box->setText(typed);
    }
    const std::optional<std::string> held = CodePageText(typed);
    std::string text = held.value_or(std::string());
    if (!held || !FitsFileNameField(text)) {
        platform::ShowMessage(held ? field.message : kCodePageMessage, platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, version::FileDescription);
        // Back to the last accepted text, which the model holds already.
        text = field.get();
        DisplayScope restoring(*this);
        field.box->setText(ToQString(text));
    }
    field.set(text);
    if (field.box == txtScenario) {
        if (QTreeWidgetItem* entry = ScenarioEntry("_" + txtScenarioNr->text()))
            entry->setText(1, ToQString(text));
    }
}

void frmMain::PrestigeField_Change(QLineEdit* box, const std::function<void(Long)>& store) {
    // What the display shows is what the campaign holds, whatever its value.
    if (IsDisplaying()) {
        ShowPrestigeAccepted(box, true);
        return;
    }
    const std::optional<Long> value =
        ReadPrestige(QStringToUtf8(box->text()), LocaleNumberFormat());
    store(value.value_or(0));
    ShowPrestigeAccepted(box, value.has_value());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A shortcut's key reaches the focused field as an override request only. Tab and
    // Shift+Tab only move the focus on, and a modifier pressed alone does nothing yet.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        static constexpr int kNoEdit[] = {Qt::Key_Tab,     Qt::Key_Backtab, Qt::Key_Shift,
                                          Qt::Key_Control, Qt::Key_Alt,     Qt::Key_Meta,
                                          Qt::Key_AltGr};
        const auto* key = static_cast<QKeyEvent*>(event);
        if (std::ranges::find(kNoEdit, key->key()) == std::end(kNoEdit)) MarkChanged();
        // Undo and redo are the campaign's, in a field too: the box's own history never
        // sees their keys.
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* command : {mnuUndo, mnuRedo})
            if (command->shortcuts().contains(pressed)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace xal::gui
