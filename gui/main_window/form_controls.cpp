// SPDX-License-Identifier: MIT
#include "gui/main_window/form_controls.h"

#include "gui/widgets/fitted_label.h"
#include "gui/widgets/pictures.h"

namespace xal::gui {
namespace {

const char* PictureOf(Command command) {
    switch (command) {
        case Command::Select:
            return "select_file";
        case Command::EditText:
            return "edit_text";
        default:
            return "edit_scenario";
    }
}

FileKind KindOf(Rule rule) {
    return rule == Rule::TextFile    ? FileKind::Text
           : rule == Rule::MovieFile ? FileKind::Movie
                                     : FileKind::Scenario;
}

}  // namespace

QPushButton* AddPictureButton(QWidget* parent, const QString& name, Twips at, const QIcon& picture,
                              const QString& toolTip) {
    auto* button = Place(new QPushButton(parent), name, at);
    button->setIcon(picture);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    return button;
}

void AddRows(QWidget* frame, std::span<const FieldRow> rows, FieldBinding& binding,
             const std::function<QString(const char*)>& text, const RowCommands& commands) {
    for (const FieldRow& row : rows) {
        QWidget* box = row.rule == Rule::Pick ? static_cast<QWidget*>(new DropDownList(frame))
                                              : new FieldBox(frame);
        // Read-only before a screen reader first asks what the box is.
        if (row.rule == Rule::Shown) static_cast<FieldBox*>(box)->setReadOnly(true);
        Place(box, text(row.box), row.boxAt)->setToolTip(text(row.toolTip));
        // A screen reader names the box after its label.
        Place(new FittedLabel(text(row.label), frame), {}, row.labelAt)->setBuddy(box);
        if (row.rule == Rule::Shown) {
            QPalette buttonFace = box->palette();
            buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
            box->setPalette(buttonFace);
        }
        binding.Bind({row.field, box, row.rule});
        auto* field = static_cast<QLineEdit*>(box);
        for (const ButtonRow& button : row.buttons) {
            if (!button.name) continue;
            QPushButton* added =
                AddPictureButton(frame, text(button.name), button.at,
                                 Picture(PictureOf(button.command)), text(button.toolTip));
            const Command command = button.command;
            const FileKind kind = KindOf(row.rule);
            QObject::connect(added, &QPushButton::clicked, frame, [=, &binding, &commands] {
                if (command == Command::Select)
                    commands.files.SelectInto(binding, field, kind);
                else if (command == Command::EditText)
                    commands.files.EditTextFile(binding, field, commands.defaultTextName);
                else
                    commands.editScenario();
            });
        }
    }
}

}  // namespace xal::gui
