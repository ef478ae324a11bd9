// xal-cam: campaign files on the command line, for designers who script their work.
#include <CLI/CLI.hpp>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/commands.h"
#include "platform/error.h"
#include "version.h"

namespace xal::cli {

int RunReportingErrors(const std::string& file, const std::function<void()>& body) {
    try {
        body();
        return 0;
    } catch (const RunTimeError& error) {
        std::cerr << "error " << error.Number() << ": " << error.Description() << " (" << file
                  << ")\n";
    } catch (const std::exception& error) {
        std::cerr << "error: " << error.what() << " (" << file << ")\n";
    }
    return 1;
}

}  // namespace xal::cli

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same output bytes on every platform: JSON with bare line feeds, the report
    // with its own CR LF line ends, never doubled carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);
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
#ifdef XAL_CAM_MAP
    xal::cli::AddMapCommand(app, status);
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }
    return status;
}
