// SPDX-License-Identifier: MIT
#include "core/platform/escaped_exception.h"

#include <exception>
#include <new>

#include "core/base/error.h"
#include "core/platform/prompts.h"

namespace xal::platform {

RunTimeError HandledExceptionAsError() {
    try {
        throw;
    } catch (const RunTimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {ErrorNumber::OutOfMemory, StandardDescription(ErrorNumber::OutOfMemory)};
    } catch (const std::exception& exception) {
        return RunTimeError(ErrorNumber::InternalError,
                            StandardDescription(ErrorNumber::InternalError))
            .Because(exception.what());
    } catch (...) {
        return {ErrorNumber::InternalError, StandardDescription(ErrorNumber::InternalError)};
    }
}

void ReportEscapedException() {
    ShowMessage(HandledExceptionAsError().Report());
}

}  // namespace xal::platform
