#ifndef _WIN32
#include "platform/registry_file_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>

#include "platform/error.h"
#include "platform/file_system.h"

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

// The last store file read and what it held, for the many reads in a row that start-up
// makes. A file is the same while its identity, size and time of change are: the store is
// only ever replaced by renaming a new file over it.
struct ReadCache {
    std::mutex mutex;
    std::string path;
    struct stat seen {};
    RegFile contents;

    static bool Same(const struct stat& a, const struct stat& b) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
               a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
    }
};

ReadCache& LastRead() {
    static ReadCache cache;
    return cache;
}

// Reads the store while the lock is held; a damaged file is set aside, never overwritten.
RegFile Load(const std::string& path) {
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0) return {};
    ReadCache& cache = LastRead();
    {
        std::lock_guard<std::mutex> hold(cache.mutex);
        if (cache.path == path && ReadCache::Same(cache.seen, now)) return cache.contents;
    }
    std::string text;
    try {
        text = ReadFileBytes(path, false);
    } catch (const RunTimeError&) {
        return {};
    }
    std::string why;
    if (auto parsed = ParseRegFile(text, &why)) {
        std::lock_guard<std::mutex> hold(cache.mutex);
        cache.path = path;
        cache.seen = now;
        cache.contents = *parsed;
        return *parsed;
    }
    std::error_code ec;

    const std::string aside = path + ".bad";
    std::filesystem::rename(path, aside, ec);
    static bool told = false;
    if (!told) {
        told = true;
        std::cerr << "XaL_CampaignEdit: the settings file " << path << " could not be read (" << why
                  << "); it was kept as " << aside << " and the settings start afresh.\n";
    }
    return {};
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
    return Load(path_);
}

void RegistryFileStore::Change(const std::function<void(RegFile&)>& change) const {
    StoreLock lock(path_);
    RegFile file = Load(path_);
    const std::string before = FormatRegFile(file);
    change(file);
    // A change that leaves the store as it was writes nothing, so start-up stays cheap.
    const std::string after = FormatRegFile(file);
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

}  // namespace xal::platform
#endif
