// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "core/base/error.h"

namespace xal::test {

// The number of the run-time error an action raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.Number();
    }
    return 0;
}

// The whole report of the error an action raises, empty when it raises none.
inline std::string ReportOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.Report();
    }
    return "";
}

}  // namespace xal::test
