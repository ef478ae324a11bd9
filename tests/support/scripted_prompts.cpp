// SPDX-License-Identifier: MIT
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace xal::test {
namespace {

const char* KindName(int kind) {
    static const char* names[] = {"message box", "file dialog", "process start", "modal dialog"};
    return names[kind];
}

}  // namespace

ScriptedPrompts::ScriptedPrompts() {
    oldMessage_ = platform::SetMessageHandler([this](const platform::MessageRequest& request) {
        auto expected = Next(Kind::Message, request.text);
        if (!expected)
            return request.buttons == platform::MessageButtons::Ok
                       ? platform::MessageAnswer::Ok
                       : platform::MessageAnswer::Cancel;
        if (expected->checkDetails) {
            EXPECT_EQ(expected->message.title, request.title) << "title of: " << request.text;
            EXPECT_EQ(expected->message.buttons, request.buttons) << "buttons of: " << request.text;
            EXPECT_EQ(expected->message.icon, request.icon) << "icon of: " << request.text;
        }
        return expected->answer;
    });
    oldFilePick_ = platform::SetFilePickHandler([this](const platform::FilePickRequest& request)
                                                    -> std::optional<platform::FilePickResult> {
        filePicks_.push_back(request);
        auto expected = Next(Kind::FilePick, request.title);
        if (!expected || !expected->path) return std::nullopt;
        // The name after the last separator; the whole path without one (npos + 1 is 0).
        const std::string& path = *expected->path;
        return platform::FilePickResult{path, path.substr(path.find_last_of("/\\") + 1)};
    });
    oldProcess_ = platform::SetProcessHandler([this](const std::string& commandLine) {
        auto expected = Next(Kind::Process, commandLine);
        return expected && expected->started;
    });
    oldDialog_ = platform::SetDialogHandler([this](const std::string& name, void* dialog) {
        auto expected = Next(Kind::Dialog, name);
        if (expected && expected->dialogAnswer) expected->dialogAnswer(dialog);
    });
}

ScriptedPrompts::Expectation& ScriptedPrompts::Add(Kind kind, const std::string& text) {
    Expectation& e = expected_.emplace_back();
    e.kind = kind;
    e.message.text = text;
    return e;
}

ScriptedPrompts::~ScriptedPrompts() {
    if (!verified_) VerifyDone();
    platform::SetMessageHandler(oldMessage_);
    platform::SetFilePickHandler(oldFilePick_);
    platform::SetProcessHandler(oldProcess_);
    platform::SetDialogHandler(oldDialog_);
}

std::optional<ScriptedPrompts::Expectation> ScriptedPrompts::Next(Kind kind,
                                                                  const std::string& what) {
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": " << what;
        return std::nullopt;
    }
    Expectation next = std::move(expected_.front());
    expected_.pop_front();
    if (next.kind != kind) {
        ADD_FAILURE() << "expected a " << KindName(static_cast<int>(next.kind)) << " ("
                      << next.message.text << ") but got a " << KindName(static_cast<int>(kind))
                      << ": " << what;
        return std::nullopt;
    }
    EXPECT_EQ(next.message.text, what) << KindName(static_cast<int>(kind));
    return next;
}

ScriptedPrompts& ScriptedPrompts::ExpectMessage(const std::string& text,
                                                platform::MessageAnswer answer) {
    Add(Kind::Message, text).answer = answer;
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectMessage(const platform::MessageRequest& request,
                                                platform::MessageAnswer answer) {
    Expectation& e = Add(Kind::Message, request.text);
    e.message = request;
    e.checkDetails = true;
    e.answer = answer;
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectFilePick(const std::string& title,
                                                 std::optional<std::string> fullPath) {
    Add(Kind::FilePick, title).path = std::move(fullPath);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectProcess(const std::string& commandLine, bool started) {
    Add(Kind::Process, commandLine).started = started;
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectDialog(const std::string& name,
                                               std::function<void(void*)> answer) {
    Add(Kind::Dialog, name).dialogAnswer = std::move(answer);
    return *this;
}

void ScriptedPrompts::VerifyDone() {
    verified_ = true;
    for (const auto& e : expected_)
        ADD_FAILURE() << "expected " << KindName(static_cast<int>(e.kind))
                      << " never came: " << e.message.text;
    expected_.clear();
}

}  // namespace xal::test
