#include "platform/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "platform/prompts.h"
#include "platform/qt_text.h"

namespace xal::gui {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer ShowQtMessage(const platform::MessageRequest& request) {
    QMessageBox box(ToQtIcon(request.icon), ToQString(request.title), ToQString(request.text),
                    ToQtButtons(request.buttons), QApplication::activeWindow());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return request.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
                                                                  : MessageAnswer::Ok;
    }
}

// Game files often come in capitals, so "Campaign (*.cam)" offers "*.CAM" as well.
QString CaseBlindFilter(const platform::FilePickRequest& request) {
    QString pattern = ToQString(request.pattern);
    QString description = ToQString(request.filterDescription);
    if (pattern.isEmpty()) return description;
    const QString shown = " (" + pattern + ")";
    if (description.endsWith(shown)) description.chop(shown.size());
    return description + " (" + pattern + " " + pattern.toUpper() + ")";
}

std::optional<platform::FilePickResult> PickQtFile(const platform::FilePickRequest& request) {
    QString start = ToQString(request.initialFileName);
    if (QFileInfo(start).isRelative()) start = ToQString(request.initialFolder) + start;
    QString filter = CaseBlindFilter(request);
    QWidget* parent = QApplication::activeWindow();
    QString chosen =
        request.save
            ? QFileDialog::getSaveFileName(parent, ToQString(request.title), start, filter)
            : QFileDialog::getOpenFileName(parent, ToQString(request.title), start, filter);
    if (chosen.isEmpty()) return std::nullopt;
    chosen = QDir::toNativeSeparators(chosen);
    return platform::FilePickResult{FromQString(chosen), FromQString(QFileInfo(chosen).fileName())};
}

bool StartQtProcess(const std::string& commandLine) {
    QStringList parts = QProcess::splitCommand(ToQString(commandLine));
    if (parts.isEmpty()) return false;
    QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

}  // namespace

void InstallQtPrompts() {
    platform::SetMessageHandler(ShowQtMessage);
    platform::SetFilePickHandler(PickQtFile);
    platform::SetProcessHandler(StartQtProcess);
}

}  // namespace xal::gui
