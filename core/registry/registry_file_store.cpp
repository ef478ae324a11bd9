// SPDX-License-Identifier: MIT
#include "core/registry/registry_file_store.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <optional>
#include <utility>

#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/platform/file_system.h"

namespace xal::platform {
namespace {

// An exclusive advisory lock on "<store>.lock", held while the object lives.
class StoreLock {
  public:
    // Raises the lock file's failure when it cannot be opened or locked.
    explicit StoreLock(const std::string& storePath) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(storePath).parent_path(), ec);
        const std::string lockPath = storePath + ".lock";
        fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        int error = errno;
        // On a read-only file system the lock file that is there still locks.
        if (fd_ < 0 && (error == EROFS || error == EACCES))
            fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ >= 0) {
            int locked = 0;
            do locked = ::flock(fd_, LOCK_EX);
            while (locked != 0 && errno == EINTR);
            if (locked == 0) return;
            error = errno;
            ::close(fd_);
        }
        try {
            RaiseFileError(error);
        } catch (const RunTimeError& raised) {
            throw raised.Because("The settings file's lock file " + lockPath +
                                 " could not be opened or locked.");
        }
    }
    ~StoreLock() { ::close(fd_); }  // closing releases the lock
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

  private:
    int fd_ = -1;
};

// Why an update of a settings file that is damaged or cannot be read raises.
constexpr const char* kLeftAlone =
    "The settings file is damaged or cannot be read, and the editor leaves it as it is: "
    "nothing was saved.";

// The store as read under the lock, and the error an update raises instead of writing
// when the file must be left as it is.
struct Loaded {
    std::shared_ptr<const RegFile> contents = std::make_shared<const RegFile>();
    std::optional<RunTimeError> leaveAlone;
};

// The bytes last read or written and what they stand for, shared by every read of them.
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

void Remember(const std::string& path, std::string bytes, const Loaded& loaded) {
    ReadCache& cache = LastRead();
    std::lock_guard<std::mutex> hold(cache.mutex);
    cache.path = path;
    cache.bytes = std::move(bytes);
    cache.loaded = loaded;
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
    Loaded loaded{std::make_shared<const RegFile>(std::move(readable)), std::nullopt};
    if (!aside) {
        loaded.leaveAlone =
            RunTimeError(ErrorNumber::PathFileAccessError,
                         StandardDescription(ErrorNumber::PathFileAccessError), FileConcerns(path))
                .Because(kLeftAlone);
        AddSettingsNotice(damaged +
                              " and could not be copied aside. The editor uses the settings that "
                              "could be read and leaves the file as it is.",
                          loaded.leaveAlone);
        Remember(path, bytes, loaded);
        return loaded;
    }
    AddSettingsNotice(damaged + ". It was kept as " + *aside +
                      "; the settings that could be read are kept, the others start afresh.");
    std::string repaired = FormatRegFile(*loaded.contents);
    try {
        ReplaceFileContents(path, repaired);
        Remember(path, std::move(repaired), loaded);
    } catch (const RunTimeError&) {
        Remember(path, bytes, loaded);  // kept aside, so a later update may write over it
    }
    return loaded;
}

// Reads the store, with its lock held when it could be had.
Loaded Load(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(path, read_limit::kSettingsFile);
    } catch (const RunTimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) return {};
        AddSettingsNotice("The settings file " + path + " could not be read (error " +
                              std::to_string(error.Number()) + ": " + error.Description() +
                              "). The editor uses its default settings and leaves the file as "
                              "it is.",
                          error.Because(kLeftAlone));
        return {std::make_shared<const RegFile>(), error.Because(kLeftAlone)};
    }
    if (bytes.empty()) return {};
    {
        ReadCache& cache = LastRead();
        std::lock_guard<std::mutex> hold(cache.mutex);
        if (cache.path == path && cache.bytes == bytes) return cache.loaded;
    }
    std::string fault;
    std::optional<RegFile> parsed = ParseRegFile(bytes, &fault);
    if (!fault.empty()) return Salvage(path, bytes, fault, std::move(parsed).value_or(RegFile{}));
    Loaded loaded{std::make_shared<const RegFile>(std::move(*parsed)), std::nullopt};
    Remember(path, std::move(bytes), loaded);
    return loaded;
}

// The update this thread runs: its store's path and the contents it works on.
struct Session {
    const std::string& path;
    RegFileDraft& draft;
};
thread_local Session* runningUpdate = nullptr;

Session* RunningUpdateOf(const std::string& path) {
    return runningUpdate && runningUpdate->path == path ? runningUpdate : nullptr;
}

std::unique_ptr<RegistryFileStore>& StoreSlot() {
    static std::unique_ptr<RegistryFileStore> store;
    return store;
}

}  // namespace

std::shared_ptr<const RegFile> RegFileDraft::Shared() const {
    if (edited_) return edited_;
    return found_;
}

RegFile& RegFileDraft::Edit() {
    if (!edited_) edited_ = std::make_shared<RegFile>(*found_);
    return *edited_;
}

std::string RegistryFileStore::DefaultPath() {
    const std::filesystem::path base = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
    return (base / "xal-campaign-edit" / "HKEY_LOCAL_MACHINE.reg").string();
}

std::shared_ptr<const RegFile> RegistryFileStore::Read() const {
    if (const Session* session = RunningUpdateOf(path_)) return session->draft.Shared();
    // Reading a store that is not there creates nothing, not even its folder.
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return std::make_shared<const RegFile>();
    std::optional<StoreLock> lock;
    try {
        lock.emplace(path_);
    } catch (const RunTimeError& error) {
        // Each replacement of the file is whole, so what is read without the lock is one
        // version of it; only changes need the lock.
        AddSettingsFailure(
            error.Because("The settings are read without it.").Concerning(FileConcerns(path_)));
    }
    return Load(path_).contents;
}

void RegistryFileStore::Update(const std::function<void(RegFileDraft&)>& update) const {
    if (Session* session = RunningUpdateOf(path_)) return update(session->draft);
    const StoreLock lock =
        RunConcerning(UnsavedFileConcerns(path_), [&] { return StoreLock(path_); });
    const Loaded loaded = Load(path_);
    RegFileDraft draft(loaded.contents);
    Session session{path_, draft};
    Session* const outer = std::exchange(runningUpdate, &session);
    try {
        update(draft);
    } catch (...) {
        runningUpdate = outer;
        throw;
    }
    runningUpdate = outer;
    if (!draft.Changed()) return;
    if (loaded.leaveAlone) throw *loaded.leaveAlone;
    std::string bytes = FormatRegFile(draft.Contents());
    ReplaceFileContents(path_, bytes);
    Remember(path_, std::move(bytes), {draft.Shared(), std::nullopt});
}

bool RegistryFileStore::InUpdate() const {
    return RunningUpdateOf(path_) != nullptr;
}

void RegistryFileStore::Change(const std::function<void(RegFile&)>& change) const {
    Update([&](RegFileDraft& draft) { change(draft.Edit()); });
}

RegistryFileStore& ActiveRegistryStore() {
    auto& store = StoreSlot();
    if (!store) store = std::make_unique<RegistryFileStore>(RegistryFileStore::DefaultPath());
    return *store;
}

void SetRegistryStorePath(const std::string& path) {
    StoreSlot() = std::make_unique<RegistryFileStore>(path);
}

}  // namespace xal::platform
#endif
