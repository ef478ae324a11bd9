// SPDX-License-Identifier: MIT
#include "core/registry/settings_notice.h"

#include <mutex>
#include <set>
#include <utility>

namespace xal::platform {
namespace {

// Notices not yet taken, and every text told or covered, so each is told once.
struct Notices {
    std::mutex mutex;
    std::string pending;
    std::set<std::string> told;
};

Notices& SettingsNotices() {
    static Notices notices;
    return notices;
}

}  // namespace

void AddSettingsNotice(const std::string& text, const std::optional<RunTimeError>& covers) {
    Notices& notices = SettingsNotices();
    std::lock_guard<std::mutex> hold(notices.mutex);
    if (covers) notices.told.insert(covers->Report());
    if (!notices.told.insert(text).second) return;
    if (!notices.pending.empty()) notices.pending += "\r\n\r\n";
    notices.pending += text;
}

void AddSettingsFailure(const RunTimeError& failure) {
    AddSettingsNotice(failure.Report());
}

std::optional<std::string> TakeSettingsNotice() {
    Notices& notices = SettingsNotices();
    std::lock_guard<std::mutex> hold(notices.mutex);
    if (notices.pending.empty()) return std::nullopt;
    return std::exchange(notices.pending, std::string());
}

}  // namespace xal::platform
