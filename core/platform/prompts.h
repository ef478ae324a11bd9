// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

// Everything that waits on the user, behind replaceable handlers: the editor installs
// Qt's dialogs, tests install a script of expected prompts and their answers. Texts
// and paths are UTF-8, as every path of the program is.
namespace xal::platform {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
// The first button is the default one.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel, RestoreDiscard };
// Closing a box without a button answers Cancel where it has one.
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard, Restore };

struct MessageRequest {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::string title;  // never empty: an untitled box bears the application title
};

// The title of a message box for which the program names none.
inline constexpr const char* kApplicationTitle = "XaL_CampaignEdit";

// Shows a modal message box and returns the button chosen.
MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None, const std::string& title = {});

using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;
// Installs the message box; returns the one it replaces. Without one, messages go to
// standard error and the first button is the answer.
MessageHandler SetMessageHandler(MessageHandler handler);

struct FilePickRequest {
    std::string initialFolder;
    std::string initialFileName;
    std::string title;
    std::string filterDescription;  // "Campaign (*.cam)"
    std::string pattern;            // "*.cam"
    bool save = false;              // the save-file dialog rather than the open-file one
};

struct FilePickResult {
    std::string fullPath;
    std::string fileTitle;  // the chosen file's name without its folder
};

// Shows the open-file or save-file dialog; nothing when the user cancels.
std::optional<FilePickResult> PickFile(const FilePickRequest& request);

using FilePickHandler = std::function<std::optional<FilePickResult>(const FilePickRequest&)>;
FilePickHandler SetFilePickHandler(FilePickHandler handler);

// Starts a command line in a new process without waiting for it; false when it
// could not be started.
bool StartProcess(const std::string& commandLine);

using ProcessHandler = std::function<bool(const std::string&)>;
ProcessHandler SetProcessHandler(ProcessHandler handler);

// Shows a modal dialog: `show` runs it the real way (its event loop); an installed
// handler gets the dialog instead, by its name, and answers it. `dialog` is the
// toolkit's dialog object.
void RunModalDialog(const std::string& name, void* dialog, const std::function<void()>& show);

using DialogHandler = std::function<void(const std::string& name, void* dialog)>;
DialogHandler SetDialogHandler(DialogHandler handler);

}  // namespace xal::platform
