// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the verse index reader: any bytes must decode or be refused with
// DataFormatError; a decoded index must keep its invariants, answer every
// query within bounds and survive writing and reading back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/archive.h"
#include "data/verse_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  const std::span<const std::uint8_t> bytes(data, size);
  VerseIndex index;
  try {
    index = ReadVerseIndex(bytes, 66);
  } catch (const DataFormatError&) {
    return 0;
  }
  if (index.size() != 66) std::abort();
  for (const auto& book : index) {
    if (book.empty()) std::abort();
    for (const auto& chapter : book) {
      if (chapter.empty()) std::abort();
    }
  }
  if (ReadVerseIndex(WriteVerseIndex(index), 66) != index) std::abort();
  CTranslationIndex translation(TranslationId::BG);
  translation.SetIndex(index);
  for (int book = -1; book <= 66; book += 11) {
    const int chapters = translation.GetChapterCount(book);
    for (const int chapter : {-1, 0, chapters - 1, chapters, 1000}) {
      const int first = translation.GetChapterEntryRange(book, chapter).first;
      int c = -1, v = -1;
      translation.FindVerseOfEntry(book, first, c, v);
      if (c < 0 || v < 0 || c >= chapters) std::abort();
    }
  }
  return 0;
}
