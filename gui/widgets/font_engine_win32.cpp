// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include "gui/widgets/font_engine.h"

#include <windows.h>

#include <QByteArray>
#include <QtGlobal>

namespace xal::gui {
namespace {

// Wine's ntdll, unlike Windows', exports its version.
bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

void UseFreeTypeUnderWine() {
    if (RunningUnderWine() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("windows:fontengine=freetype"));
}

}  // namespace xal::gui
#endif
