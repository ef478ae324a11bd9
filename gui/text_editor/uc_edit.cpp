// SPDX-License-Identifier: MIT
#include "gui/text_editor/uc_edit.h"

#include "core/platform/prompts.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {

ucEdit::ucEdit(QWidget* parent) : QWidget(parent) {
    imEdit = new QLabel(this);
    imEdit->setObjectName("imEdit");
    imEdit->resize(kPictureSize, kPictureSize);
    setFixedSize(imEdit->size());
}

void ucEdit::showEvent(QShowEvent* event) {
    if (imEdit->pixmap().isNull()) imEdit->setPixmap(Picture("edit_text").pixmap(kPictureSize));
    QWidget::showEvent(event);
}

void ucEdit::ShowDlg() {
    if (!DlgForm) {
        DlgForm = new frmEdit(this);
        connect(DlgForm, &frmEdit::Finished, this, &ucEdit::DlgForm_Finished);
    }
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
