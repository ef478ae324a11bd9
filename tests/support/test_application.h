// SPDX-License-Identifier: MIT
#pragma once

namespace xal::test {

// The one QApplication of a widget test program, on the offscreen platform unless
// another is asked for.
void EnsureApplication();

}  // namespace xal::test
