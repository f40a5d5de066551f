// SPDX-License-Identifier: GPL-2.0-or-later
// A GoogleTest fixture with a profile file of its own: path_ names
// "skrybon.ini" in a new, empty folder dir_ that goes with the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "testing/temp_folder.h"

namespace skrybon::testing {

class CProfileFileTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
  std::string ReadFile() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  CTempFolder folder_{"skrybon-profile"};
  const std::filesystem::path dir_ = folder_.Path();
  const std::string path_ = (dir_ / "skrybon.ini").string();
};

}  // namespace skrybon::testing
