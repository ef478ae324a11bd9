// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>
#include <functional>
#include <span>

#include "gui/main_window/drop_down_list.h"
#include "gui/main_window/field_binding.h"
#include "gui/main_window/field_box.h"
#include "gui/main_window/file_commands.h"

// The controls of the main window's parts, each where the window's design puts it.
namespace xal::gui {

// A place in the control's container, in twips: 15 to the pixel at 96 dots per inch.
struct Twips {
    int left, top, width, height;
};
inline constexpr int kTwipsPerPixel = 15;

template <typename Widget>
Widget* Place(Widget* widget, const QString& name, Twips at) {
    if (!name.isEmpty()) widget->setObjectName(name);
    widget->setGeometry(at.left / kTwipsPerPixel, at.top / kTwipsPerPixel,
                        at.width / kTwipsPerPixel, at.height / kTwipsPerPixel);
    return widget;
}

// A button with a picture and no caption: a screen reader says its tool tip.
QPushButton* AddPictureButton(QWidget* parent, const QString& name, Twips at, const QIcon& picture,
                              const QString& toolTip);

// What a picture button beside a field does to the field.
enum class Command { Select, EditText, EditScenario };

struct ButtonRow {
    const char* name = nullptr;  // none: no button
    Twips at{};
    Command command = Command::Select;
    const char* toolTip = nullptr;
};

// A labelled field of a part: its label and box, the field the box shows and edits by its
// rule, and up to two buttons beside it. Names and texts may hold "{outcome}", which the
// part fills in.
struct FieldRow {
    const char* label;
    Twips labelAt;
    const char* box;
    Twips boxAt;
    const char* toolTip;
    Field field;
    Rule rule;
    std::array<ButtonRow, 2> buttons{};
};

// What the buttons of a part's rows do: select a file of the kind the box's rule edits,
// edit the text file the box names (an empty box gets the part's default name first),
// start the scenario editor.
struct RowCommands {
    FileCommands& files;
    std::function<std::string()> defaultTextName;
    std::function<void()> editScenario;
};

// Adds the rows' labels, boxes and buttons to `frame`, each text through `text`, binds the
// boxes and connects the buttons.
void AddRows(QWidget* frame, std::span<const FieldRow> rows, FieldBinding& binding,
             const std::function<QString(const char*)>& text, const RowCommands& commands);

}  // namespace xal::gui
