// SPDX-License-Identifier: MIT
#include "gui/widgets/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "core/platform/process.h"
#include "core/platform/prompts.h"
#include "gui/widgets/qt_text.h"

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
        case MessageButtons::SaveDiscardCancel:
            return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        case MessageButtons::RestoreDiscard:
            return QMessageBox::Discard;  // Restore is a button of its own
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer ShowQtMessage(const platform::MessageRequest& request) {
    QMessageBox box(ToQtIcon(request.icon), Utf8ToQString(request.title),
                    Utf8ToQString(request.text), ToQtButtons(request.buttons),
                    QApplication::activeWindow());
    QPushButton* restore = nullptr;
    if (request.buttons == MessageButtons::RestoreDiscard) {
        restore = box.addButton("&Restore", QMessageBox::AcceptRole);
        box.setDefaultButton(restore);
    } else if (request.buttons == MessageButtons::SaveDiscardCancel) {
        box.setDefaultButton(QMessageBox::Save);
    }
    box.exec();
    if (restore && box.clickedButton() == restore) return MessageAnswer::Restore;
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Save:
            return MessageAnswer::Save;
        case QMessageBox::Discard:
            return MessageAnswer::Discard;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
    }
}

// Game files often come in capitals, so "Campaign (*.cam)" offers "*.CAM" as well.
QString CaseBlindFilter(const platform::FilePickRequest& request) {
    QString pattern = Utf8ToQString(request.pattern);
    QString description = Utf8ToQString(request.filterDescription);
    if (pattern.isEmpty()) return description;
    const QString shown = " (" + pattern + ")";
    if (description.endsWith(shown)) description.chop(shown.size());
    return description + " (" + pattern + " " + pattern.toUpper() + ")";
}

std::optional<platform::FilePickResult> PickQtFile(const platform::FilePickRequest& request) {
    QString start = Utf8ToQString(request.initialFileName);
    if (QFileInfo(start).isRelative()) start = Utf8ToQString(request.initialFolder) + start;
    QFileDialog dialog(QApplication::activeWindow(), Utf8ToQString(request.title));
    dialog.setNameFilter(CaseBlindFilter(request));
    dialog.setDirectory(QFileInfo(start).absolutePath());
    dialog.selectFile(QFileInfo(start).fileName());
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an ending gets the kind's own, such as ".cam": the first
        // of the kinds offered.
        dialog.setDefaultSuffix(Utf8ToQString(request.pattern).section(' ', 0, 0).remove("*."));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().front());
    const std::string path = FileSystemPath(chosen);
    return platform::FilePickResult{path, QStringToUtf8(QFileInfo(chosen).fileName())};
}

// Windows gets the command line as it is; elsewhere it is split as a shell would.
bool StartQtProcess(const std::string& commandLine) {
#ifdef _WIN32
    return platform::StartCommandLine(commandLine);
#else
    QStringList parts = QProcess::splitCommand(Utf8ToQString(commandLine));
    if (parts.isEmpty()) return false;
    QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
#endif
}

}  // namespace

void InstallQtPrompts() {
    platform::SetMessageHandler(ShowQtMessage);
    platform::SetFilePickHandler(PickQtFile);
    platform::SetProcessHandler(StartQtProcess);
}

}  // namespace xal::gui
