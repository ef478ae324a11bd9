// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/base/error.h"

namespace xal::test {

// The run-time error an action raises, if it raises one.
inline std::optional<RunTimeError> RaisedBy(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error;
    }
    return std::nullopt;
}

// The number of the run-time error an action raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    const std::optional<RunTimeError> error = RaisedBy(action);
    return error ? error->Number() : 0;
}

// The whole report of the error an action raises, empty when it raises none.
inline std::string ReportOf(const std::function<void()>& action) {
    const std::optional<RunTimeError> error = RaisedBy(action);
    return error ? error->Report() : "";
}

}  // namespace xal::test
