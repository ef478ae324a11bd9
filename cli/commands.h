// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

#include "cli/command_failures.h"
#include "core/model/campaign.h"

namespace xal::cli {

// Each subcommand adds itself to the tool and runs when chosen; it returns the exit status.
void AddDumpCommand(CLI::App& app, int& status);
void AddBuildCommand(CLI::App& app, int& status);
void AddReportCommand(CLI::App& app, int& status);
void AddCheckCommand(CLI::App& app, int& status);
// Builds without Graphviz, which draws the map, refuse with an error that says so.
void AddMapCommand(CLI::App& app, int& status);

// Adds --game FOLDER to a command that checks a campaign's files against the game. The
// folder to check against: the option's, else the editor's configured game folder, as
// `report` reads it for its country names; "--game ''" checks against no game.
std::function<std::string()> AddGameOption(CLI::App& command);

// A campaign file read as the editor opens it: named after the file, in the file's folder,
// the file its own. A missing file is "File not found" (53); reading creates nothing.
Campaign ReadCampaignFile(const std::string& file);

// What errors of standard output name in place of a file.
inline const std::string kStandardOutput = "standard output";

// Writes the text on standard output and flushes it; text that does not reach it raises
// the matching file error (a full disk: 61 "Disk full").
void WriteStandardOutput(const std::string& text);

}  // namespace xal::cli
