// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the parsing of typed places against the default alias tables: any
// text gives a book of the translation or -1, chapter and verse -1 or more.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/default_aliases.h"
#include "data/verse_index.h"

namespace {

const skrybon::CTranslationIndex& Translation(skrybon::TranslationId id) {
  static const auto make = [](skrybon::TranslationId t) {
    skrybon::CTranslationIndex index(t);
    index.SetAliasesFromText(skrybon::DefaultAliasFileText(t));
    return index;
  };
  static const skrybon::CTranslationIndex bg = make(skrybon::TranslationId::BG);
  static const skrybon::CTranslationIndex bt = make(skrybon::TranslationId::BT);
  return id == skrybon::TranslationId::BG ? bg : bt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  for (const TranslationId id : {TranslationId::BG, TranslationId::BT}) {
    std::string text(reinterpret_cast<const char*>(data), size);
    int chapter = -9, verse = -9;
    const int book = Translation(id).ParseReference(text, chapter, verse);
    if (book < -1 || book >= BookCount(id) || chapter < -1 || verse < -1) std::abort();
  }
  return 0;
}
