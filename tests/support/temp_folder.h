// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace xal::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of a file in the folder, as the program's text (ending in a separator
    // when name is empty).
    std::string File(const std::string& name) const;

    // The names of the files and folders directly in the folder, or in a folder in it,
    // sorted, as the program's text.
    std::vector<std::string> Names(const std::string& folder = "") const;

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

}  // namespace xal::test
