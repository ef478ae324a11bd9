// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace xal::gui {

// A text box of the campaign. Every key pressed in it counts as an edit, arrow keys and
// menu keys too but for Tab and a modifier alone: it tells so once it has handled the key,
// or before a menu command runs. The campaign's Undo and Redo are its own, by their keys
// and in its menu, in place of the box's history of its text.
class FieldBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit FieldBox(QWidget* parent);

    void UseCampaignHistory(QAction* undo, QAction* redo);
    // The box's right-click menu; the caller owns it.
    QMenu* Menu();

  signals:
    void keyPressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool IsCampaignHistoryKey(const QKeyEvent& key) const;

    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace xal::gui
