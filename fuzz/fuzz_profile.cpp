// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the profile's text rules: any text takes a save of changed keys,
// after which every changed key reads back with its new value, and saving the
// same values again changes no byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<CProfileChange> changes = {{"Skrybon", "Font height", "-12"},
                                               {"skrybon", "Wnd color", ""},
                                               {"Main Window State", "Left", "50"},
                                               {"Print Settings", "Header Text", "Wersety %s"},
                                               {"S", "k", "v"}};
  const std::string merged = MergeProfileChanges(text, changes);
  for (const CProfileChange& c : changes)
    if (FindProfileValue(merged, c.section, c.key) != std::string_view(c.value)) std::abort();
  if (MergeProfileChanges(merged, changes) != merged) std::abort();
  (void)FindProfileValue(text, "S", "k");
  return 0;
}
