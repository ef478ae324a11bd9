// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/model/campaign.h"

namespace xal {

// A campaign with unsaved changes as the editor keeps it against a crash, and when the copy
// was made (seconds since the Unix epoch).
struct RecoveryCopy {
    std::shared_ptr<Campaign> campaign;
    std::int64_t madeAt = 0;
};

// Editing may add scenarios beyond what a campaign file holds; a copy holds as many as
// NrOfScenarios can count.
inline constexpr std::size_t kRecoveryCopyScenarios = 255;

// The text of a copy: every field of the campaign, of its scenarios and of their outcomes,
// including the name, folder and file. Lines of ASCII; every byte of a text outside ' ' to
// '~', and '%', is written as '%' and two upper-case hexadecimal digits, so any bytes
// come back exactly. A campaign of more than 255 scenarios, or with a scenario of other
// than four outcomes, raises 5 "Invalid procedure call or argument".
std::string RecoveryCopyText(const Campaign& campaign, std::int64_t madeAt);

// The campaign and time of a copy's text, exactly as RecoveryCopyText wrote them. Any text
// that is not a whole copy as written (another header or version, cut short, with a count
// that does not match or a number out of range, a malformed escape, anything after its
// end) raises a RunTimeError whose description gives the line and what is wrong with it.
RecoveryCopy ReadRecoveryCopy(const std::string& text);

}  // namespace xal
