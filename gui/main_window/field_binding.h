// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QObject>
#include <functional>
#include <vector>

#include "core/campaign_check/campaign_check.h"
#include "core/campaign_document/campaign_document.h"

namespace xal::gui {

// How a box edits its field: a file name of its kind, at most 20 characters of the code
// page; a prestige, 0 to 65000, any other text storing 0; a pick from a drop-down list;
// or not at all, the box only showing the field.
enum class Rule { TextFile, MovieFile, ScenarioFile, Prestige, Pick, Shown };

// A box of a part, the field it shows and edits, and the rule it edits it by.
struct Binding {
    Field field;
    QWidget* box;
    Rule rule;
    QAction* fileMark = nullptr;  // a file-name box's warning, made when first needed
};

// The boxes of one part bound to the document's fields at the part's place. What the user
// types or picks goes into the document by the box's rule, and a key pressed in a box or a
// list opened marks the campaign changed; the document's values are drawn into the boxes.
class FieldBinding : public QObject {
  public:
    FieldBinding(CampaignDocument& document, std::function<FieldPlace()> place, QObject* parent);

    void Bind(const Binding& binding);

    void DrawAll();
    // Draws the box of one field, but for the box being typed in: it shows what was typed.
    void Draw(Field field);

    // A file name chosen for a box with its button: a step of its own, stored by the box's
    // rule, and a change of the campaign even when the rule refuses it.
    void Put(QLineEdit* box, const QString& name);

    // Marks each file-name box that a finding concerns at the part's place with a warning
    // picture inside its right end, whose tool tip is the finding; the others lose theirs.
    void MarkFiles(const std::vector<Finding>& findings);

  private:
    void Store(const Binding& binding);
    void StoreFileName(const Binding& binding, QLineEdit* box);
    void DrawBox(const Binding& binding) const;

    CampaignDocument& document_;
    std::function<FieldPlace()> place_;
    std::vector<Binding> bindings_;
    const QWidget* storing_ = nullptr;  // the box whose text or pick is being stored
};

}  // namespace xal::gui
