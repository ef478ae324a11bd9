// SPDX-License-Identifier: MIT
#include "cli/command_failures.h"

#include <iostream>
#include <string>

#include "core/base/error.h"
#include "core/platform/escaped_exception.h"

namespace xal::cli {

int RunReportingErrors(const std::string& file, const std::function<void()>& body) {
    try {
        body();
        return 0;
    } catch (...) {
        const RunTimeError error = platform::HandledExceptionAsError();
        // One line a failure: a line that says why follows the description after ": ".
        std::string description = error.Description();
        for (std::size_t at; (at = description.find("\r\n")) != std::string::npos;)
            description.replace(at, 2, ": ");
        std::cerr << "error " << error.Number() << ": " << description
                  << (file.empty() ? "" : " (" + file + ")") << '\n';
    }
    return 1;
}

}  // namespace xal::cli
