// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "gui/main_window/startup.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"
#include "support/test_application.h"

namespace xal::test {

// A test of the program's start through gui::Main: the editor Main started is closed and
// deleted after it, while the test's registry and prompts are still there.
class StartupTest : public ::testing::Test {
  protected:
    StartupTest() { EnsureApplication(); }
    ~StartupTest() override {
        if (editor) editor->Window().close();
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RegistrySandbox sandbox;
    ScriptedPrompts prompts;
    std::unique_ptr<gui::Editor> editor;
};

}  // namespace xal::test
