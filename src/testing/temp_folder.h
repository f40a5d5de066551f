// SPDX-License-Identifier: GPL-2.0-or-later
// A new, empty folder of its own under the temporary directory for one test
// (so parallel runs never share files), removed with everything in it when the
// object goes, even where a test took the folder's permissions away.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace skrybon::testing {

class CTempFolder {
 public:
  explicit CTempFolder(const std::string& prefix = "skrybon-test") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~CTempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string String() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace skrybon::testing
