// SPDX-License-Identifier: MIT
#pragma once

#include "core/campaign_document/campaign_document.h"

namespace xal {

// The scenario a view of a document shows, held beside the document. It is scenario 0 of
// a campaign just opened; after a change of the scenario list or an undo or redo, the
// scenario that change concerns, or scenario 0 when it concerns none; otherwise the one
// the user chose last. It is always a scenario the campaign has, while it has any.
class ShownScenario {
  public:
    Byte Number() const { return number_; }

    // Follows a notice of the document, whose campaign now has `count` scenarios. True when
    // another scenario is shown now.
    bool Follow(const DocumentChange& change, int count);

    // The user chose a scenario. False, and the shown one stays, when it is shown already or
    // the campaign of `count` scenarios has none of that number.
    bool Choose(int number, int count);

  private:
    Byte number_ = 0;
};

}  // namespace xal
