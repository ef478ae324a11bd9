// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QWidget>
#include <string>

#include "gui/text_editor/frm_edit.h"

namespace xal::gui {

// The text editor a window places once: set the caption, text, layout and confirm label,
// call ShowDlg, then read DlgResult and DlgText. DlgText is replaced on every closing,
// the cancelled ones too, so only a true DlgResult makes it the edited text. Texts are
// Windows-1252 bytes.
class ucEdit : public QWidget {
    Q_OBJECT
  public:
    explicit ucEdit(QWidget* parent = nullptr);

    std::string DlgCaption;
    std::string DlgText;
    unsigned char DlgMode = 0;  // 0 the one-line box, any other value the large one
    std::string OKButtonCaption = "&OK";
    bool DlgResult = false;
    // Whether closing without the confirm button asks before changed text is thrown away,
    // and whether DlgText counts as changed already (typed, but not yet stored).
    bool AskBeforeDiscarding = false;
    bool DlgTextUnsaved = false;

    // Shows the dialog modally and returns when it has closed.
    void ShowDlg();

    // The dialog, made when it is first shown.
    frmEdit* DlgForm = nullptr;

  protected:
    // The control's picture is read when the control is first shown.
    void showEvent(QShowEvent* event) override;

  private:
    void DlgForm_Finished(const QString& strEdit, bool booResult);

    static constexpr int kPictureSize = 16;
    QLabel* imEdit = nullptr;
};

}  // namespace xal::gui
