// SPDX-License-Identifier: MIT
#include "gui/main_window/field_binding.h"

#include <QComboBox>
#include <QStyle>
#include <algorithm>

#include "core/model/campaign_limits.h"
#include "core/model/editing_rules.h"
#include "core/platform/prompts.h"
#include "gui/main_window/drop_down_list.h"
#include "gui/main_window/field_box.h"
#include "gui/widgets/number_guard.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

std::string TooLongMessage(Rule rule) {
    const char* kind = rule == Rule::TextFile    ? "text"
                       : rule == Rule::MovieFile ? "movie"
                                                 : "scenario";
    return "The maximum length of a " + std::string(kind) + " file name is " +
           DecimalText(limits::kFileNameField) + ".";
}

const char* const kCodePageMessage =
    "A campaign file can only hold file names in Latin letters (Windows-1252).";
const char* const kDesignToolTip = "designToolTip";

bool IsFileName(Rule rule) {
    return rule == Rule::TextFile || rule == Rule::MovieFile || rule == Rule::ScenarioFile;
}

// Shows a prestige box in the error style, with a tool tip that says why, or as designed.
void ShowPrestigeAccepted(QWidget* box, bool accepted) {
    if (accepted) {
        box->setPalette(QPalette());
        box->setToolTip(box->property(kDesignToolTip).toString());
        return;
    }
    QPalette error = box->palette();
    error.setColor(QPalette::Base, QColor(255, 214, 214));
    error.setColor(QPalette::Text, QColor(128, 0, 0));
    box->setPalette(error);
    box->setToolTip(Utf8ToQString("Not a number from 0 to " + DecimalText(limits::kEditorPrestige) +
                                  ": 0 will be saved."));
}

}  // namespace

FieldBinding::FieldBinding(CampaignDocument& document, std::function<FieldPlace()> place,
                           QObject* parent)
    : QObject(parent), document_(document), place_(std::move(place)) {}

void FieldBinding::Bind(const Binding& binding) {
    bindings_.push_back(binding);
    if (binding.rule == Rule::Pick) {
        auto* list = static_cast<DropDownList*>(binding.box);
        // Opening the list is an edit, whether a pick follows or not.
        connect(list, &DropDownList::droppedDown, this,
                [this] { document_.SetUnsavedChanges(true); });
        connect(list, &QComboBox::activated, this, [this, binding] { Store(binding); });
        return;
    }
    auto* box = static_cast<FieldBox*>(binding.box);
    if (binding.rule == Rule::Shown) return;
    if (binding.rule == Rule::Prestige) box->setProperty(kDesignToolTip, box->toolTip());
    // Only the user's edits are stored: keys, a paste or drop with the mouse, the box's menu.
    connect(box, &QLineEdit::textEdited, this, [this, binding] { Store(binding); });
    connect(box, &FieldBox::keyPressed, this, [this] { document_.SetUnsavedChanges(true); });
}

void FieldBinding::Store(const Binding& binding) {
    storing_ = binding.box;
    const FieldPlace place = place_();
    if (binding.rule == Rule::Pick) {
        const auto* list = static_cast<QComboBox*>(binding.box);
        document_.SetNumber(binding.field, place, ToByte(list->currentData().toLongLong()));
    } else if (binding.rule == Rule::Prestige) {
        const std::optional<Long> value = ReadPrestige(
            QStringToUtf8(static_cast<QLineEdit*>(binding.box)->text()), LocaleNumberFormat());
        document_.SetNumber(binding.field, place, value.value_or(0));
        ShowPrestigeAccepted(binding.box, value.has_value());
    } else {
        StoreFileName(binding, static_cast<QLineEdit*>(binding.box));
    }
    storing_ = nullptr;
}

void FieldBinding::StoreFileName(const Binding& binding, QLineEdit* box) {
    // A pasted line break or other control character has no place in a file name.
    QString typed = box->text();
    if (typed.removeIf([](QChar c) { return c.category() == QChar::Other_Control; }) != box->text())
        box->setText(typed);
    const std::optional<std::string> held = CodePageText(typed);
    if (!held || !FitsFileNameField(*held)) {
        platform::ShowMessage(held ? TooLongMessage(binding.rule) : kCodePageMessage,
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        // Back to the last accepted text, which the campaign holds.
        box->setText(ToQString(TextOf(*document_.Campaign(), binding.field, place_())));
        return;
    }
    document_.SetText(binding.field, place_(), *held);
}

void FieldBinding::Put(QLineEdit* box, const QString& name) {
    document_.CloseStep();
    box->setText(name);
    for (const Binding& binding : bindings_)
        if (binding.box == box) Store(binding);
    document_.CloseStep();
    document_.SetUnsavedChanges(true);
}

void FieldBinding::MarkFiles(const std::vector<Finding>& findings) {
    const FieldPlace place = place_();
    for (Binding& binding : bindings_) {
        const auto concerns = [&](const Finding& finding) {
            const FieldPlace at{static_cast<Byte>(finding.scenario.value_or(0)),
                                static_cast<Byte>(finding.outcome.value_or(0))};
            return finding.field == binding.field &&
                   PlaceOf(binding.field, at) == PlaceOf(binding.field, place);
        };
        const auto found = std::ranges::find_if(findings, concerns);
        if (!IsFileName(binding.rule) || (found == findings.end() && !binding.fileMark)) continue;
        if (!binding.fileMark) {
            auto* box = static_cast<QLineEdit*>(binding.box);
            binding.fileMark =
                box->addAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                               QLineEdit::TrailingPosition);
            binding.fileMark->setText("Warning");
        }
        binding.fileMark->setToolTip(found == findings.end() ? QString() : ToQString(found->text));
        binding.fileMark->setVisible(found != findings.end());
    }
}

void FieldBinding::DrawAll() {
    for (const Binding& binding : bindings_) DrawBox(binding);
}

void FieldBinding::Draw(Field field) {
    for (const Binding& binding : bindings_)
        if (binding.field == field && binding.box != storing_) DrawBox(binding);
}

void FieldBinding::DrawBox(const Binding& binding) const {
    const Campaign& campaign = *document_.Campaign();
    const FieldPlace place = place_();
    if (binding.rule == Rule::Pick) {
        // A value the list does not hold, such as a go-to to no scenario, selects no entry.
        auto* list = static_cast<QComboBox*>(binding.box);
        list->setCurrentIndex(list->findData(NumberOf(campaign, binding.field, place)));
        return;
    }
    auto* box = static_cast<QLineEdit*>(binding.box);
    if (IsFileName(binding.rule)) {
        box->setText(ToQString(TextOf(campaign, binding.field, place)));
        return;
    }
    box->setText(ToQString(DecimalText(NumberOf(campaign, binding.field, place))));
    if (binding.rule == Rule::Prestige) ShowPrestigeAccepted(box, true);
}

}  // namespace xal::gui
