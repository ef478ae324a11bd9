// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "main_window/frm_main.h"
#include "main_window/mod_main.h"
#include "main_window/startup.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"
#include "support/test_application.h"

namespace xal::test {

// A test of the program's start through gui::Main: no campaign is open before it, and
// the window Main opened is closed and deleted after it, while the test's registry and
// prompts are still there.
class StartupTest : public ::testing::Test {
  protected:
    StartupTest() {
        EnsureApplication();
        modMain::Document = CampaignDocument();
    }
    ~StartupTest() override {
        if (gui::MainWindow()) gui::MainWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RegistrySandbox sandbox;
    ScriptedPrompts prompts;
};

}  // namespace xal::test
