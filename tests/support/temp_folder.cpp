// SPDX-License-Identifier: MIT
#include "support/temp_folder.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "core/platform/file_system.h"

namespace xal::test {

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("xal-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::File(const std::string& name) const {
    // In the platform's own separators: "a/b" is "a\\b" on Windows.
    return platform::FromFsPath(
        (name.empty() ? path_ / "" : path_ / platform::FsPath(name)).make_preferred());
}

std::vector<std::string> TempFolder::Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / platform::FsPath(folder)))
        names.push_back(platform::FromFsPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / platform::FsPath(name);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / platform::FsPath(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace xal::test
