// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the alias file loader: any text becomes an alias table, and typed
// places then resolve to a book of the translation or to none.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/verse_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const TranslationId id : {TranslationId::BG, TranslationId::BT}) {
    CTranslationIndex translation(id);
    translation.SetAliasesFromText(text);
    for (const char* typed : {"1 Kor 13:4", "ps 23", "a", "j 3::16", "Rdz", "..."}) {
      std::string place = typed;
      int chapter = 0, verse = 0;
      const int book = translation.ParseReference(place, chapter, verse);
      if (book < -1 || book >= BookCount(id)) std::abort();
    }
  }
  return 0;
}
