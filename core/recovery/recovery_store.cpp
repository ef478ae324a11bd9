// SPDX-License-Identifier: MIT
#include "core/recovery/recovery_store.h"

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string_view>
#include <system_error>

#include "core/base/read_limits.h"
#include "core/base/utf16.h"
#include "core/platform/file_system.h"
#include "core/platform/file_system_internals.h"

namespace xal {
namespace {

using platform::FileConcerns;
using platform::FileLock;
using platform::FromFsPath;
using platform::FsPath;

constexpr std::string_view kLockEnding = ".lock";
constexpr std::string_view kCopyEnding = ".recovery";
constexpr std::string_view kUnreadableEnding = ".unreadable";
constexpr std::string_view kOwnerCharacters = "0123456789abcdef-";
constexpr std::size_t kLongestOwner = 64;
constexpr int kOwnerAttempts = 8;

std::string FolderConcerns(const std::string& folder) {
    return "Folder: " + folder;
}

// "<process id>-<16 hexadecimal digits>": the random digits keep an editor from ever taking
// the name of one that died with the same process id.
std::string NewOwner() {
    static std::mt19937_64 random{std::random_device{}()};
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const long process = ::getpid();
#endif
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
    return std::to_string(process) + "-" + digits;
}

bool IsOwner(std::string_view name) {
    return !name.empty() && name.size() <= kLongestOwner &&
           name.find_first_not_of(kOwnerCharacters) == std::string_view::npos;
}

[[noreturn]] void RaiseFileSystemError(const std::error_code& ec, const std::string& concerns) {
    const std::error_condition condition = ec.default_error_condition();
    try {
        platform::RaiseFileError(condition.category() == std::generic_category() ? condition.value()
                                                                                 : EIO);
    } catch (const RunTimeError& error) {
        throw error.Concerning(concerns);
    }
}

// The copies hold the user's work, so on Linux a folder made for them is the user's alone.
void MakeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return;
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder) MakeFolder(parent);
    ec.clear();
#ifdef _WIN32
    std::filesystem::create_directory(folder, ec);
#else
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        ec.assign(errno, std::generic_category());
#endif
    if (!ec && !std::filesystem::is_directory(folder, ec))
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) RaiseFileSystemError(ec, FolderConcerns(FromFsPath(folder)));
}

void RemoveIfPresent(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(FsPath(path), ec);
    if (ec) RaiseFileSystemError(ec, FileConcerns(path));
}

// What the folder holds of each editor but its copies kept aside.
struct OwnerFiles {
    bool copy = false;
    std::vector<std::string> interruptedSaves;
};

std::map<std::string, OwnerFiles> FilesByOwner(const std::string& folder) {
    std::map<std::string, OwnerFiles> owners;
    std::error_code ec;
    for (std::filesystem::directory_iterator entry(FsPath(folder), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string name = FromFsPath(entry->path().filename());
        const std::string owner = name.substr(0, name.find('.'));
        if (!IsOwner(owner)) continue;
        const std::string copy = owner + std::string(kCopyEnding);
        if (name == owner + std::string(kLockEnding)) {
            owners[owner];
        } else if (name == copy) {
            owners[owner].copy = true;
        } else if (platform::internals::IsSavingFileOf(name, copy)) {
            owners[owner].interruptedSaves.push_back(folder + name);
        }
    }
    if (ec) RaiseFileSystemError(ec, FolderConcerns(folder));
    return owners;
}

// A copy that cannot be read is renamed, so that it is reported once and never offered, yet
// stays for the user to look into.
Leftover KeptAside(const std::string& path, const RunTimeError& error,
                   const std::shared_ptr<FileLock>& claim) {
    const std::string aside = path + std::string(kUnreadableEnding);
    std::error_code ec;
    std::filesystem::rename(FsPath(path), FsPath(aside), ec);
    if (ec)
        return {path, std::nullopt,
                RunTimeError(error.Number(), error.Description() + " (it could not be kept aside)",
                             FileConcerns(path)),
                claim};
    claim->RemoveFile();
    return {aside, std::nullopt,
            RunTimeError(error.Number(), error.Description(), FileConcerns(aside)), nullptr};
}

std::optional<Leftover> ReadLeftover(const std::string& path,
                                     const std::shared_ptr<FileLock>& claim) {
    try {
        const std::string text = platform::ReadFileBytes(path, platform::read_limit::kRecoveryCopy);
        return Leftover{path, ReadRecoveryCopy(text), std::nullopt, claim};
    } catch (const RunTimeError& error) {
        if (error.Number() != ErrorNumber::FileNotFound) return KeptAside(path, error, claim);
        claim->RemoveFile();  // gone since the folder was listed
        return std::nullopt;
    }
}

}  // namespace

std::string RecoveryStore::DefaultFolder() {
#ifdef _WIN32
    PWSTR wide = nullptr;
    const bool known = SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &wide));
    const std::wstring_view units = known ? std::wstring_view(wide) : std::wstring_view();
    const std::string base = utf16::ToUtf8(std::u16string(units.begin(), units.end()));
    CoTaskMemFree(wide);
    if (!known || base.empty())
        Raise(ErrorNumber::PathNotFound, "Windows names no local application data folder");
    return platform::WithTrailingSeparator(base) + "XaL Campaign Editor\\Recovery\\";
#else
    const std::filesystem::path base =
        platform::XdgBaseFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
    return platform::WithTrailingSeparator((base / "xal-campaign-edit" / "recovery").string());
#endif
}

RecoveryStore::RecoveryStore(std::string folder)
    : folder_(platform::WithTrailingSeparator(folder)) {
    RunConcerning(FolderConcerns(folder_), [&] {
        MakeFolder(FsPath(folder_).parent_path());
        // A name is taken only when its lock file is new, so no two editors ever share one.
        for (int attempt = 0; attempt < kOwnerAttempts && !lock_; ++attempt) {
            owner_ = NewOwner();
            lock_ = FileLock::CreateNew(folder_ + owner_ + std::string(kLockEnding));
        }
        if (!lock_)
            Raise(ErrorNumber::PathFileAccessError, "No lock file of its own could be made");
    });
    copyPath_ = folder_ + owner_ + std::string(kCopyEnding);
}

RecoveryStore::~RecoveryStore() {
    if (!platform::FileExists(copyPath_)) lock_->RemoveFile();
}

void RecoveryStore::Keep(const Campaign& campaign, std::int64_t madeAt) {
    const std::string text = RunConcerning(FileConcerns(copyPath_), [&] {
        std::string copy = RecoveryCopyText(campaign, madeAt);
        if (copy.size() > platform::read_limit::kRecoveryCopy)
            Raise(ErrorNumber::PathFileAccessError,
                  "The recovery copy would be larger than " +
                      std::to_string(platform::read_limit::kRecoveryCopy) +
                      " bytes, more than is read back");
        return copy;
    });
    platform::ReplaceFileContents(copyPath_, text);
}

void RecoveryStore::Remove() {
    RemoveIfPresent(copyPath_);
}

std::vector<Leftover> RecoveryStore::Leftovers() {
    std::vector<Leftover> leftovers;
    for (const auto& [owner, files] : FilesByOwner(folder_)) {
        if (owner == owner_) continue;
        std::shared_ptr<FileLock> claim;
        try {
            claim = FileLock::TryLock(folder_ + owner + std::string(kLockEnding));
        } catch (const RunTimeError&) {
            continue;  // a lock file that cannot be locked tells nothing of its editor
        }
        if (!claim) continue;  // its editor runs, or another editor offers its copy
        for (const std::string& save : files.interruptedSaves) {
            std::error_code ec;
            std::filesystem::remove(FsPath(save), ec);
        }
        if (!files.copy) {
            claim->RemoveFile();
        } else if (auto leftover =
                       ReadLeftover(folder_ + owner + std::string(kCopyEnding), claim)) {
            leftovers.push_back(std::move(*leftover));
        }
    }
    std::stable_sort(leftovers.begin(), leftovers.end(), [](const Leftover& a, const Leftover& b) {
        if (a.copy.has_value() != b.copy.has_value()) return a.copy.has_value();
        return a.copy && a.copy->madeAt > b.copy->madeAt;
    });
    return leftovers;
}

void RecoveryStore::Discard(const Leftover& leftover) {
    RemoveIfPresent(leftover.path);
    if (leftover.claim) leftover.claim->RemoveFile();
}

}  // namespace xal
