// SPDX-License-Identifier: MIT
#include "gui/about/frm_about.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringDecoder>

#include "core/about/about_text.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

constexpr int kTwipsPerPixel = 15;

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* designText, int left, int top,
                 int width, int height) {
    auto* label = new QLabel(designText, parent);
    label->setObjectName(name);
    label->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A one-pixel line in a colour of its own.
QFrame* AddLine(QWidget* parent, const char* name, const QColor& colour, int topPixel) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(Pixels(120), topPixel, Pixels(8760), 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

// "Courier New" where it is installed, else the desktop's fixed-pitch font.
QFont CommentsFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFixedPitch(true);
    return fixed;
}

// The read-me in UTF-8, as the build makes it, or else in Windows-1252, with its CR LF line
// ends (and any lone CR) as the box's line breaks.
QString BoxText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) text = ToQString(bytes);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent, const std::string& programFolder)
    : QDialog(parent), programFolder_(programFolder) {
    setObjectName("frmAbout");
    setFixedSize(Pixels(9000), Pixels(5520));

    picIcon = AddLabel(this, "picIcon", "", 240, 240, 540, 540);
    picIcon->setPixmap(ProgramIcon().pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = AddLabel(this, "lblTitle", "Title", 1050, 240, 7710, 360);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    lblTitle->setFont(titleFont);
    lblVersion = AddLabel(this, "lblVersion", "Version", 1050, 660, 7710, 255);
    lblCopyright = AddLabel(this, "lblCopyright", "Copyright", 1050, 960, 7710, 255);

    // Grey with white just below it reads as a groove cut into the window.
    const int lineTop = Pixels(1350);
    lineGrey = AddLine(this, "lineGrey", QColor(128, 128, 128), lineTop);
    lineWhite = AddLine(this, "lineWhite", Qt::white, lineTop + 1);

    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName("txtComments");
    txtComments->setAccessibleName("Read-me");
    txtComments->setGeometry(Pixels(120), Pixels(1500), Pixels(8760), Pixels(3300));
    txtComments->setReadOnly(true);
    // Long lines wrap at the box's width; only the vertical bar scrolls.
    txtComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtComments->setFont(CommentsFont());
    QPalette palette = txtComments->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    txtComments->setPalette(palette);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Pixels(7560), Pixels(4980), Pixels(1320), Pixels(375));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // Escape closes a dialog through reject(), which ends it just as OK does.
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    Form_Load();
}

std::string frmAbout::ProgramFolder() {
    return QStringToUtf8(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

void frmAbout::Form_Load() {
    setWindowTitle(QString("About ") + ToQString(version::ProductName));
    lblTitle->setText(ToQString(version::FileDescription));
    lblVersion->setText(ToQString(VersionLine(version::Major, version::Minor, version::Revision)));
    lblCopyright->setText(ToQString(version::LegalCopyright));
    txtComments->setPlainText(BoxText(ReadMeText(programFolder_)));
}

void frmAbout::cmdOK_Click() {
    accept();
}

}  // namespace xal::gui
