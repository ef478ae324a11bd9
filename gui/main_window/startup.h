// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "core/campaign_document/campaign_document.h"
#include "core/settings/settings.h"
#include "gui/main_window/frm_main.h"

namespace xal::gui {

// One run of the editor: the campaign being edited, the settings, and the main window
// that shows the one and follows the other.
class Editor {
  public:
    Editor();

    CampaignDocument& Document() { return document_; }
    frmMain& Window() { return window_; }

    // The one file the command line names, a campaign file, opened as Open would open it.
    // More files than one are a usage error, told on standard error; nothing is opened then.
    void OpenCommandLineCampaign(const std::vector<std::string>& files);

  private:
    CampaignDocument document_;
    SettingsRecord settings_;
    frmMain window_;
};

// The program's entry routine: an editor with no campaign and the settings loaded, its
// main window shown, not modally. The caller then runs the event loop.
std::unique_ptr<Editor> Main();

// Answers --help and --version on standard output and ends the program; any other command
// line is left to ReadCommandLine. Needs no display.
void AnswerHelpOrVersion(const QCoreApplication& application);

// The files the command line names, once the window system has taken its options out of
// argc and argv; an unknown option is told on standard error and ends the program. They
// are the platform's paths: on Linux argv's bytes as they are, UTF-8 or not; on Windows
// the characters of the wide command line.
std::vector<std::string> ReadCommandLine(int argc, char** argv);

}  // namespace xal::gui
