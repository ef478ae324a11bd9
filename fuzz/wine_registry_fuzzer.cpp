// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes as a Wine prefix's system.reg to the reader of the game's folder,
// and maps the folder it finds into the prefix.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/registry/wine_prefix.h"
#include "core/registry/wine_registry.h"
#include "core/settings/settings.h"

namespace {

namespace fs = std::filesystem;

// A temporary prefix of this process, removed when it ends.
class TemporaryPrefix {
  public:
    TemporaryPrefix() : path_((fs::temp_directory_path() / "xal-wine-fuzz-XXXXXX").string()) {
        if (!mkdtemp(path_.data())) std::abort();
    }
    ~TemporaryPrefix() { fs::remove_all(path_); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

const std::string& Prefix() {
    static const TemporaryPrefix prefix;
    return prefix.Path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(fs::path(Prefix()) / "system.reg", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
    }
    const auto folder = xal::platform::WineMachineText(Prefix(), xal::settings_keys::kGameKey,
                                                       xal::settings_keys::kGameDirectory);
    if (!folder) return 0;
    if (folder->empty() || folder->find('\0') != std::string::npos) std::abort();
    // The prefix has no drive links, so a path can only lead into its own drive C:.
    const auto path = xal::platform::WinePathToUnix(Prefix(), *folder);
    if (path && !path->starts_with((fs::path(Prefix()) / "drive_c").string())) std::abort();
    return 0;
}
