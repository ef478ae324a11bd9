// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

namespace xal {

// The outcomes of every scenario, in the order a campaign holds them.
inline constexpr int kOutcomeCount = 4;
inline constexpr int kLossOutcome = 3;

// What an outcome is called where the program names it.
struct OutcomeNames {
    const char* caption;      // "Brilliant victory": the window's frames, the report
    const char* word;         // "loss": the check's findings, the wizard's messages
    const char* commandWord;  // "defeat": the window's buttons and the history's steps
    const char* shortName;    // "BV": the map's arrows, the wizard's fields
};

inline constexpr std::array<OutcomeNames, kOutcomeCount> kOutcomes{{
    {"Brilliant victory", "brilliant victory", "brilliant victory", "BV"},
    {"Victory", "victory", "victory", "V"},
    {"Tactical victory", "tactical victory", "tactical victory", "TV"},
    {"Loss", "loss", "defeat", "L"},
}};

// The outcomes' words as one list: "victory", "victory and loss", "brilliant victory,
// victory and loss".
inline std::string OutcomeWordList(const std::vector<int>& outcomes) {
    std::string words;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        if (k > 0) words += k + 1 == outcomes.size() ? " and " : ", ";
        words += kOutcomes[static_cast<std::size_t>(outcomes[k])].word;
    }
    return words;
}

}  // namespace xal
