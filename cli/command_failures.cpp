// SPDX-License-Identifier: MIT
#include "cli/command_failures.h"

#include <iostream>
#include <new>

#include "platform/error.h"

namespace xal::cli {
namespace {

// The exception being handled as the program's run-time error.
RunTimeError CurrentFailure() {
    try {
        throw;
    } catch (const RunTimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {ErrorNumber::OutOfMemory, StandardDescription(ErrorNumber::OutOfMemory)};
    } catch (const std::exception& error) {
        return {ErrorNumber::InternalError,
                StandardDescription(ErrorNumber::InternalError) + ": " + error.what()};
    } catch (...) {
        return {ErrorNumber::InternalError, StandardDescription(ErrorNumber::InternalError)};
    }
}

}  // namespace

int RunReportingErrors(const std::string& file, const std::function<void()>& body) {
    try {
        body();
        return 0;
    } catch (...) {
        const RunTimeError error = CurrentFailure();
        std::cerr << "error " << error.Number() << ": " << error.Description()
                  << (file.empty() ? "" : " (" + file + ")") << '\n';
    }
    return 1;
}

}  // namespace xal::cli
