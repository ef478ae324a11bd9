// SPDX-License-Identifier: MIT
#include "gui/text_editor/frm_edit.h"

#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kInnerWidth = 10215;
// The design's window heights include the caption and borders; this is their share.
constexpr int kFrameHeight = 480;

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace

frmEdit::frmEdit(QWidget* parent) : QDialog(parent) {
    setObjectName("frmEdit");
    txtEdit = new QLineEdit(this);
    txtEdit->setObjectName("txtEdit");
    txtEdit->setAccessibleName("Text");
    txtEdit->setGeometry(Pixels(120), Pixels(120), Pixels(9975), Pixels(285));
    txtLargeEdit = new QPlainTextEdit(this);
    txtLargeEdit->setObjectName("txtLargeEdit");
    txtLargeEdit->setAccessibleName("Text");
    txtLargeEdit->setGeometry(Pixels(120), Pixels(120), Pixels(9975), Pixels(2685));
    txtLargeEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLargeEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdSave = new QPushButton("&Save", this);
    cmdSave->setObjectName("cmdSave");
    cmdSave->setAutoDefault(false);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    // Escape closes a dialog as its cancel button does.
    connect(cmdSave, &QPushButton::clicked, this, &frmEdit::Confirm);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    UseLayout(0);
}

void frmEdit::UseLayout(unsigned layout) {
    const bool large = layout != 0;
    const int buttonTop = large ? 2880 : 480;
    setFixedSize(Pixels(kInnerWidth), Pixels((large ? 3855 : 1455) - kFrameHeight));
    txtEdit->setVisible(!large);
    txtLargeEdit->setVisible(large);
    cmdSave->setGeometry(Pixels(7680), Pixels(buttonTop), Pixels(1215), Pixels(375));
    cmdCancel->setGeometry(Pixels(9000), Pixels(buttonTop), Pixels(1095), Pixels(375));
}

QString frmEdit::LargeText() const {
    if (!txtLargeEdit->document()->isModified()) return givenText_;
    // The raw text keeps non-breaking spaces, which the plain text turns into blanks.
    QString text = txtLargeEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    text.replace(QChar::LineSeparator, '\n');
    return text.replace("\n", "\r\n");
}

void frmEdit::SetLargeText(QString text) {
    givenText_ = text;
    // The box shows one line break for CR LF.
    txtLargeEdit->setPlainText(text.replace("\r\n", "\n"));
    txtLargeEdit->document()->setModified(false);
}

void frmEdit::Confirm() {
    if (!TextFitsCodePage()) return;
    booSaved = true;
    accept();
}

QString frmEdit::ShownText() const {
    return txtEdit->isVisibleTo(this) ? txtEdit->text() : LargeText();
}

bool frmEdit::TextChanged() const {
    return givenTextUnsaved ||
           (txtEdit->isVisibleTo(this) ? txtEdit->isModified()
                                       : txtLargeEdit->document()->isModified());
}

bool frmEdit::TextFitsCodePage() {
    if (CodePageText(ShownText())) return true;
    platform::ShowMessage(
        "The text holds characters that the game's text files cannot store; they hold only "
        "the characters of Windows-1252.",
        platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, version::FileDescription);
    return false;
}

void frmEdit::done(int result) {
    // Escape, Cancel and the close box all end here: typed text is not lost unasked.
    if (!booSaved && askBeforeDiscarding && TextChanged()) {
        switch (platform::ShowMessage("The text has been changed.\r\nDo you want to save it?",
                                      platform::MessageButtons::SaveDiscardCancel,
                                      platform::MessageIcon::Question, version::FileDescription)) {
            case platform::MessageAnswer::Save:
                Confirm();
                return;
            case platform::MessageAnswer::Discard:
                break;
            default:
                return;
        }
    }
    emit Finished(ShownText(), booSaved);
    QDialog::done(result);
}

}  // namespace xal::gui
