// SPDX-License-Identifier: MIT
// xal-cam: campaign files on the command line, for designers who script their work.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>  // after windows.h, whose types it uses
#endif

#include "cli/commands.h"
#include "core/base/error.h"
#include "core/platform/file_system.h"
#include "version.h"

namespace xal::cli {

void WriteStandardOutput(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        platform::RaiseFileError(errno);
}

}  // namespace xal::cli

namespace {

// The arguments after the program's name, last first, as CLI11 takes them. On Windows
// they come from the wide command line as UTF-8, as every path of the program is: the
// narrow argv there holds only what the ANSI code page can.
std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    std::vector<std::string> arguments;
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = count - 1; i >= 1; --i)
        arguments.push_back(xal::platform::FromFsPath(std::filesystem::path(wide[i])));
    LocalFree(wide);
#else
    for (int i = argc - 1; i >= 1; --i) arguments.emplace_back(argv[i]);
#endif
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same output bytes on every platform: JSON with bare line feeds, the report
    // with its own CR LF line ends, never doubled carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A file-size limit makes a write fail with "Disk full" instead of killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    CLI::App app{"Reads, writes and checks campaign files of Xandor's Legion.", "xal-cam"};
    app.set_version_flag("--version", std::string("xal-cam ") +
                                          std::to_string(xal::version::Major) + "." +
                                          std::to_string(xal::version::Minor) + "." +
                                          std::to_string(xal::version::Revision));
    app.require_subcommand(1);
    int status = 0;
    xal::cli::AddDumpCommand(app, status);
    xal::cli::AddBuildCommand(app, status);
    xal::cli::AddReportCommand(app, status);
    xal::cli::AddCheckCommand(app, status);
    xal::cli::AddMapCommand(app, status);
    // The last handler: what escapes a command is told with a number, never an abort.
    const int escaped = xal::cli::RunReportingErrors({}, [&] {
        try {
            std::vector<std::string> arguments = Arguments(argc, argv);
            app.parse(arguments);
        } catch (const CLI::ParseError& error) {
            std::ostringstream help;
            status = app.exit(error, help) != 0
                         ? 2
                         : xal::cli::RunReportingErrors(xal::cli::kStandardOutput, [&] {
                               xal::cli::WriteStandardOutput(help.str());
                           });
        }
    });
    return escaped != 0 ? escaped : status;
}
