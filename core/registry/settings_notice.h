// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/base/error.h"

namespace xal::platform {

// What the editor must tell the user, once, at start-up, about its settings: a settings
// file that was damaged or could not be read, and a failure to store the settings.

// Adds a text to tell, unless it was told before. `covers` is a failure that the text
// tells of already, so that adding that failure later adds nothing.
void AddSettingsNotice(const std::string& text,
                       const std::optional<RunTimeError>& covers = std::nullopt);
// Adds a failure to store the settings, as its report, unless it was told before.
void AddSettingsFailure(const RunTimeError& failure);

// Everything added and not yet taken, each apart from the next by an empty line; nothing
// when there is nothing new to tell.
std::optional<std::string> TakeSettingsNotice();

}  // namespace xal::platform
