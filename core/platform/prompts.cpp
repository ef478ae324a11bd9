// SPDX-License-Identifier: MIT
#include "core/platform/prompts.h"

#include <iostream>
#include <utility>

namespace xal::platform {
namespace {

MessageHandler& CurrentMessageHandler() {
    static MessageHandler handler;
    return handler;
}
FilePickHandler& CurrentFilePickHandler() {
    static FilePickHandler handler;
    return handler;
}
DialogHandler& CurrentDialogHandler() {
    static DialogHandler handler;
    return handler;
}
ProcessHandler& CurrentProcessHandler() {
    static ProcessHandler handler;
    return handler;
}

MessageAnswer FirstButton(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::SaveDiscardCancel:
            return MessageAnswer::Save;
        case MessageButtons::RestoreDiscard:
            return MessageAnswer::Restore;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            break;
    }
    return MessageAnswer::Ok;
}

}  // namespace

MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                          const std::string& title) {
    MessageRequest request{text, buttons, icon, title.empty() ? kApplicationTitle : title};
    if (auto& handler = CurrentMessageHandler()) return handler(request);
    std::cerr << request.title << ": " << text << '\n';
    return FirstButton(buttons);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentMessageHandler(), std::move(handler));
}

std::optional<FilePickResult> PickFile(const FilePickRequest& request) {
    if (auto& handler = CurrentFilePickHandler()) return handler(request);
    return std::nullopt;
}

FilePickHandler SetFilePickHandler(FilePickHandler handler) {
    return std::exchange(CurrentFilePickHandler(), std::move(handler));
}

bool StartProcess(const std::string& commandLine) {
    if (auto& handler = CurrentProcessHandler()) return handler(commandLine);
    return false;
}

ProcessHandler SetProcessHandler(ProcessHandler handler) {
    return std::exchange(CurrentProcessHandler(), std::move(handler));
}

void RunModalDialog(const std::string& name, void* dialog, const std::function<void()>& show) {
    if (auto& handler = CurrentDialogHandler()) {
        handler(name, dialog);
    } else {
        show();
    }
}

DialogHandler SetDialogHandler(DialogHandler handler) {
    return std::exchange(CurrentDialogHandler(), std::move(handler));
}

}  // namespace xal::platform
