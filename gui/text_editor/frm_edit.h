// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace xal::gui {

// The text editor's window: a one-line or a large box, a confirm and a cancel button.
// Every closing, by a button, Escape or the close box, raises Finished once.
class frmEdit : public QDialog {
    Q_OBJECT
  public:
    explicit frmEdit(QWidget* parent = nullptr);

    // Lays the window out for one layout: 0 the one-line box, any other value the large one.
    void UseLayout(unsigned layout);

    QLineEdit* txtEdit = nullptr;
    QPlainTextEdit* txtLargeEdit = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Set by the confirm button, cleared before every showing.
    bool booSaved = false;
    // Whether closing without the confirm button asks before changed text is thrown away,
    // and whether the text given counts as changed already (typed, but not yet stored).
    bool askBeforeDiscarding = false;
    bool givenTextUnsaved = false;

    // The large box's text. Unchanged, it is the text given, byte for byte; changed, every
    // line break is CR LF, as the game's text files have them.
    void SetLargeText(QString text);
    QString LargeText() const;

    void done(int result) override;

  signals:
    void Finished(const QString& strEdit, bool booResult);

  private:
    // Refuses, with a message, a text the game's files cannot store.
    bool TextFitsCodePage();
    // Confirms: the text is to be kept, when it fits.
    void Confirm();
    bool TextChanged() const;
    QString ShownText() const;

    QString givenText_;
};

}  // namespace xal::gui
