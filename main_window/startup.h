// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace xal::gui {

class frmMain;

// The program's entry routine: creates the empty current campaign, loads the settings
// and shows the main window, not modally. The caller then runs the event loop.
void Main();

// Answers --help and --version on standard output and ends the program; any other command
// line is left to ReadCommandLine. Needs no display.
void AnswerHelpOrVersion(const QCoreApplication& application);

// The files the command line names, once the window system has taken its options; an
// unknown option is told on standard error and ends the program.
QStringList ReadCommandLine(const QCoreApplication& application);

// The one file the command line names, a campaign file, opened as Open would open it.
// More files than one are a usage error, told on standard error; nothing is opened then.
void OpenCommandLineCampaign(const QStringList& files);

// The main window Main showed, or null before it.
frmMain* MainWindow();

}  // namespace xal::gui
