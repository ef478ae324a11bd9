// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <string>
#include <vector>

namespace xal::gui {

class frmMain;

// The program's entry routine: creates the empty current campaign, loads the settings
// and shows the main window, not modally. The caller then runs the event loop.
void Main();

// Answers --help and --version on standard output and ends the program; any other command
// line is left to ReadCommandLine. Needs no display.
void AnswerHelpOrVersion(const QCoreApplication& application);

// The files the command line names, once the window system has taken its options out of
// argc and argv; an unknown option is told on standard error and ends the program. They
// are the platform's paths: on Linux argv's bytes as they are, UTF-8 or not; on Windows
// the characters of the wide command line.
std::vector<std::string> ReadCommandLine(int argc, char** argv);

// The one file the command line names, a campaign file, opened as Open would open it.
// More files than one are a usage error, told on standard error; nothing is opened then.
void OpenCommandLineCampaign(const std::vector<std::string>& files);

// The main window Main showed, or null before it.
frmMain* MainWindow();

}  // namespace xal::gui
