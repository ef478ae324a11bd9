// SPDX-License-Identifier: MIT
#pragma once

// What the drawn map and the laid-out map share: the fonts the layout sizes the boxes and
// labels for, and the hues that mark problems. Qt has no warning colours of its own;
// these are the warning and error hues of the usual desktop themes, which read on light
// and dark backgrounds alike.
namespace xal::map_style {

inline constexpr int kNodeFontPoints = 10;
inline constexpr int kLabelFontPoints = 8;

inline constexpr const char* kWarningHue = "#f67400";
inline constexpr const char* kErrorHue = "#da4453";

}  // namespace xal::map_style
