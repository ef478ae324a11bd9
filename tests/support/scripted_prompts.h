// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/prompts.h"

namespace xal::test {

// Stands in for the user while it lives: every message box, file dialog, process start
// and modal dialog must have been expected, in order, and is answered as scripted. A
// prompt that nobody expected, or an expected one that never came, fails the test.
class ScriptedPrompts {
  public:
    ScriptedPrompts();
    ~ScriptedPrompts();
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // A message box with exactly this text; title, buttons and icon are checked when given.
    ScriptedPrompts& ExpectMessage(const std::string& text,
                                   platform::MessageAnswer answer = platform::MessageAnswer::Ok);
    ScriptedPrompts& ExpectMessage(const platform::MessageRequest& request,
                                   platform::MessageAnswer answer);
    // A file dialog with this title, answered with a full path (its file title derived)
    // or cancelled when the path is nothing.
    ScriptedPrompts& ExpectFilePick(const std::string& title, std::optional<std::string> fullPath);
    // A process start with exactly this command line, reported as started or not.
    ScriptedPrompts& ExpectProcess(const std::string& commandLine, bool started = true);
    // A modal dialog by its name; `answer` gets the dialog object and must close it.
    ScriptedPrompts& ExpectDialog(const std::string& name, std::function<void(void*)> answer);

    // Checks that every expected prompt came; the destructor calls it too.
    void VerifyDone();

    // What the prompts asked, for checks beyond the script.
    const std::vector<platform::FilePickRequest>& FilePicks() const { return filePicks_; }

  private:
    enum class Kind { Message, FilePick, Process, Dialog };
    struct Expectation {
        Kind kind = Kind::Message;
        platform::MessageRequest message;  // text also holds a title, command line or name
        bool checkDetails = false;
        platform::MessageAnswer answer = platform::MessageAnswer::Ok;
        std::optional<std::string> path;
        bool started = true;
        std::function<void(void*)> dialogAnswer;
    };
    // A new expectation at the end of the script.
    Expectation& Add(Kind kind, const std::string& text);
    std::optional<Expectation> Next(Kind kind, const std::string& what);

    std::deque<Expectation> expected_;
    std::vector<platform::FilePickRequest> filePicks_;
    platform::MessageHandler oldMessage_;
    platform::FilePickHandler oldFilePick_;
    platform::ProcessHandler oldProcess_;
    platform::DialogHandler oldDialog_;
    bool verified_ = false;
};

}  // namespace xal::test
