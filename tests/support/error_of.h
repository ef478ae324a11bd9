// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "platform/error.h"

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

}  // namespace xal::test
