// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/text_file.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

TEST(TextFile, SavedNameAddsTxtOnlyWithoutExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/wynik", "/tmp/wynik.txt"},
      {"/tmp/wynik.doc", "/tmp/wynik.doc"},
      {"/tmp/wynik.txt", "/tmp/wynik.txt"},
      {"/tmp/wynik.", "/tmp/wynik.txt"},
      {"/tmp/a.b/wynik", "/tmp/a.b/wynik.txt"},  // a dot in the folder is no extension
      {"/tmp/wynik.tar.gz", "/tmp/wynik.tar.gz"},
      {"wynik", "wynik.txt"},
  };
  for (const auto& [chosen, written] : cases) EXPECT_EQ(SavedFileName(chosen), written) << chosen;
}

}  // namespace
}  // namespace skrybon
