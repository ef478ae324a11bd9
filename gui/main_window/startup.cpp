// SPDX-License-Identifier: MIT
#include "gui/main_window/startup.h"

#include <QCommandLineParser>
#include <QDir>
#include <iostream>
#include <string_view>

#include "core/campaign_file/open_save_commands.h"
#include "core/platform/prompts.h"
#include "core/recovery/recovery_store.h"
#include "core/registry/settings_notice.h"
#include "gui/widgets/qt_text.h"
#include "version.h"

namespace xal::gui {
namespace {

// A damaged or unreadable settings file was kept aside or left alone: the user hears of
// it once, at start-up.
void ShowSettingsNotice() {
    if (const std::optional<std::string> notice = platform::TakeSettingsNotice())
        platform::ShowMessage(*notice, platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, version::FileDescription);
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QString(version::ProductName) +
        ": opens, edits and saves the campaign files of Xandor's Legion.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE.cam", "The campaign file to open.", "[FILE.cam]");
}

// The settings, loaded before the window that uses them is made.
SettingsRecord StartSettings() {
    SettingsRecord settings = LoadSettings();
    ShowSettingsNotice();
    return settings;
}

}  // namespace

Editor::Editor() : settings_(StartSettings()), window_(document_, settings_) {
    window_.show();
    try {
        window_.StartRecovery(RecoveryStore::DefaultFolder());
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
}

std::unique_ptr<Editor> Main() {
    return std::make_unique<Editor>();
}

void AnswerHelpOrVersion(const QCoreApplication& application) {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    // Options of the window system, such as -style, are not known here: they wait for
    // ReadCommandLine.
    parser.parse(application.arguments());
    if (parser.isSet("help") || parser.isSet("help-all") || parser.isSet("version"))
        parser.process(application);
}

std::vector<std::string> ReadCommandLine([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    std::vector<std::string> files;
#ifdef _WIN32
    // Qt reads the wide command line, which holds every character of a name.
    parser.process(QCoreApplication::arguments());
    for (const QString& file : parser.positionalArguments())
        files.push_back(QStringToUtf8(QDir::toNativeSeparators(file)));
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    parser.process(arguments);
    // The parser has refused any option but its own, which end the program: what is left
    // are the files, but for a "--" that ends the options. Their text in the parser has
    // lost what is not UTF-8, so they are taken from argv.
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        if (!optionsEnded && std::string_view(argv[i]) == "--")
            optionsEnded = true;
        else
            files.emplace_back(argv[i]);
    }
#endif
    return files;
}

void Editor::OpenCommandLineCampaign(const std::vector<std::string>& files) {
    if (files.size() > 1) {
        std::cerr << "Usage: XaL_CampaignEdit [FILE.cam]\n";
        return;
    }
    // A campaign restored at start-up is not dropped unasked for the one named here.
    if (files.size() == 1 && window_.AskSaveChanges() == frmMain::SaveQuestion::Continue)
        window_.ShowOpenedCampaign(OpenCampaignFile(files[0]));
}

}  // namespace xal::gui
