// SPDX-License-Identifier: MIT
#pragma once

namespace xal::test {

// The one application of a widget test program, the editor's own, on the offscreen
// platform unless another is asked for.
void EnsureApplication();

}  // namespace xal::test
