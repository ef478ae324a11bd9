// SPDX-License-Identifier: MIT
#include "platform/registry_file_store.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <utility>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/read_limits.h"

namespace xal::platform {
namespace {

// Holds an exclusive advisory lock on "<store>.lock" while it lives.
class StoreLock {
  public:
    explicit StoreLock(const std::string& storePath) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(storePath).parent_path(), ec);
        fd_ = ::open((storePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~StoreLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

  private:
    int fd_ = -1;
};

// The store as read under the lock, and the error a change raises instead of writing
// when the file must be left as it is.
struct Loaded {
    RegFile contents;
    std::optional<RunTimeError> leaveAlone;
};

// The bytes last read and what they stood for, for the many reads in a row of start-up.
// The bytes are read every time and compared: time stamps and inode numbers cannot tell
// two versions apart when a file system keeps whole seconds and reuses an inode at once.
struct ReadCache {
    std::mutex mutex;
    std::string path;
    std::string bytes;
    Loaded loaded;
};

ReadCache& LastRead() {
    static ReadCache cache;
    return cache;
}

void Remember(const std::string& path, const std::string& bytes, const Loaded& loaded) {
    ReadCache& cache = LastRead();
    std::lock_guard<std::mutex> hold(cache.mutex);
    cache.path = path;
    cache.bytes = bytes;
    cache.loaded = loaded;
}

// Notices not yet taken, and every notice made, so what each read meets again is told once.
struct Notices {
    std::mutex mutex;
    std::string pending;
    std::set<std::string> made;
};

Notices& SettingsNotices() {
    static Notices notices;
    return notices;
}

void Notify(const std::string& text) {
    Notices& notices = SettingsNotices();
    std::lock_guard<std::mutex> hold(notices.mutex);
    if (!notices.made.insert(text).second) return;
    if (!notices.pending.empty()) notices.pending += "\n\n";
    notices.pending += text;
}

bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Copies the bytes to "<path>.bad", else "<path>.bad.2", ... the first name that is free.
// The copy is created exclusively, so it never replaces a file, not even one another
// editor makes at the same moment. Nothing when no copy could be made.
std::optional<std::string> KeepAside(const std::string& path, const std::string& bytes) {
    constexpr int kMostCopies = 1000;
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        std::string aside = path + ".bad";
        if (copy > 1) aside += '.' + std::to_string(copy);
        const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return std::nullopt;
        const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        if (::close(fd) == 0 && written) return aside;
        ::unlink(aside.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

// A damaged file: the values that could be read, once the file is kept aside.
Loaded Salvage(const std::string& path, const std::string& bytes, const std::string& fault,
               RegFile readable) {
    const std::string damaged = "The settings file " + path + " is damaged (" + fault + ")";
    const std::optional<std::string> aside = KeepAside(path, bytes);
    if (!aside) {
        Notify(damaged +
               " and could not be copied aside. The editor uses the settings that could be "
               "read and leaves the file as it is.");
        Loaded loaded{std::move(readable), RunTimeError(ErrorNumber::PathFileAccessError,
                                                        "The settings file is damaged: " + path)};
        Remember(path, bytes, loaded);
        return loaded;
    }
    Notify(damaged + ". It was kept as " + *aside +
           "; the settings that could be read are kept, the others start afresh.");
    Loaded loaded{std::move(readable), std::nullopt};
    const std::string repaired = FormatRegFile(loaded.contents);
    try {
        ReplaceFileContents(path, repaired);
        Remember(path, repaired, loaded);
    } catch (const RunTimeError&) {
        Remember(path, bytes, loaded);  // kept aside, so a later change may write over it
    }
    return loaded;
}

// Reads the store while the lock is held.
Loaded Load(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(path, false, read_limit::kSettingsFile);
    } catch (const RunTimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) return {};
        Notify("The settings file " + path + " could not be read (error " +
               std::to_string(error.Number()) + ": " + error.Description() +
               "). The editor uses its default settings and leaves the file as it is.");
        return {{}, error};
    }
    if (bytes.empty()) return {};
    {
        ReadCache& cache = LastRead();
        std::lock_guard<std::mutex> hold(cache.mutex);
        if (cache.path == path && cache.bytes == bytes) return cache.loaded;
    }
    std::string fault;
    std::optional<RegFile> parsed = ParseRegFile(bytes, &fault);
    if (!fault.empty()) return Salvage(path, bytes, fault, parsed.value_or(RegFile{}));
    Loaded loaded{std::move(*parsed), std::nullopt};
    Remember(path, bytes, loaded);
    return loaded;
}

std::unique_ptr<RegistryFileStore>& StoreSlot() {
    static std::unique_ptr<RegistryFileStore> store;
    return store;
}

}  // namespace

std::string RegistryFileStore::DefaultPath() {
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config && std::filesystem::path(config).is_absolute()) {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".config";
    }
    return (base / "xal-campaign-edit" / "HKEY_LOCAL_MACHINE.reg").string();
}

RegFile RegistryFileStore::Read() const {
    // Reading a store that is not there creates nothing, not even its folder.
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return {};
    StoreLock lock(path_);
    return Load(path_).contents;
}

void RegistryFileStore::Change(const std::function<void(RegFile&)>& change) const {
    StoreLock lock(path_);
    Loaded loaded = Load(path_);
    if (loaded.leaveAlone) throw *loaded.leaveAlone;
    const std::string before = FormatRegFile(loaded.contents);
    change(loaded.contents);
    // A change that leaves the store as it was writes nothing, so start-up stays cheap.
    const std::string after = FormatRegFile(loaded.contents);
    if (after != before) ReplaceFileContents(path_, after);
}

RegistryFileStore& ActiveRegistryStore() {
    auto& store = StoreSlot();
    if (!store) store = std::make_unique<RegistryFileStore>(RegistryFileStore::DefaultPath());
    return *store;
}

void SetRegistryStorePath(const std::string& path) {
    StoreSlot() = std::make_unique<RegistryFileStore>(path);
}

std::optional<std::string> TakeSettingsNotice() {
    Notices& notices = SettingsNotices();
    std::lock_guard<std::mutex> hold(notices.mutex);
    if (notices.pending.empty()) return std::nullopt;
    return std::exchange(notices.pending, std::string());
}

}  // namespace xal::platform
#else
namespace xal::platform {

std::optional<std::string> TakeSettingsNotice() {
    return std::nullopt;
}

}  // namespace xal::platform
#endif
