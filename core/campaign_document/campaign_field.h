// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/model/campaign.h"
#include "core/model/campaign_fields.h"

namespace xal {

// Whose value a field is: the campaign's, a scenario's or an outcome's.
FieldLevel LevelOf(Field field);

// The place with what its field's level ignores set to 0.
FieldPlace PlaceOf(Field field, FieldPlace place);

// A file-name field's text, and any other field's number. A place the campaign does not
// have raises "Subscript out of range" (9), a field of the other kind "Invalid procedure
// call or argument" (5), and so does setting the number of scenarios; a country or go-to
// outside 0 to 255 raises "Overflow" (6).
std::string TextOf(const Campaign& campaign, Field field, FieldPlace place);
Long NumberOf(const Campaign& campaign, Field field, FieldPlace place);
void SetTextOf(Campaign& campaign, Field field, FieldPlace place, const std::string& text);
void SetNumberOf(Campaign& campaign, Field field, FieldPlace place, Long number);

}  // namespace xal
