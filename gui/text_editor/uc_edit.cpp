// SPDX-License-Identifier: MIT
#include "gui/text_editor/uc_edit.h"

#include "core/platform/prompts.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {

ucEdit::ucEdit(QWidget* parent) : QWidget(parent) {
    imEdit = new QLabel(this);
    imEdit->setObjectName("imEdit");
    imEdit->setPixmap(Picture("edit_text").pixmap(16));
    imEdit->adjustSize();
    setFixedSize(imEdit->size());
    DlgForm = new frmEdit(this);
    connect(DlgForm, &frmEdit::Finished, this, &ucEdit::DlgForm_Finished);
}

void ucEdit::ShowDlg() {
    DlgForm->setWindowTitle(ToQString(DlgCaption));
    DlgForm->txtEdit->setText(ToQString(DlgText));
    DlgForm->cmdSave->setText(ToQString(OKButtonCaption));
    DlgForm->booSaved = false;
    DlgForm->askBeforeDiscarding = AskBeforeDiscarding;
    DlgForm->givenTextUnsaved = DlgTextUnsaved;
    if (DlgMode != 0) DlgForm->SetLargeText(ToQString(DlgText));
    DlgForm->UseLayout(DlgMode);
    // Typing starts in the text, never on a button that a space would press.
    if (DlgMode != 0)
        DlgForm->txtLargeEdit->setFocus();
    else
        DlgForm->txtEdit->setFocus();
    platform::RunModalDialog("frmEdit", DlgForm, [this] { DlgForm->exec(); });
}

void ucEdit::DlgForm_Finished(const QString& strEdit, bool booResult) {
    DlgText = FromQString(strEdit);
    DlgResult = booResult;
}

}  // namespace xal::gui
