// SPDX-License-Identifier: MIT
#pragma once

namespace xal::gui {

// Installs Qt's message boxes, file dialogs and process start behind the platform layer.
void InstallQtPrompts();

}  // namespace xal::gui
