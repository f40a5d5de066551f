// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/book_mapping.h"

#include "data/book_ids.h"

namespace skrybon {
namespace {

bool IsLongCanon(TranslationId id) { return id == TranslationId::BT; }

}  // namespace

std::optional<int> MapBook(TranslationId from, TranslationId to, int book) {
  if (book < 0 || book >= BookCount(from)) return std::nullopt;
  if (IsLongCanon(from) == IsLongCanon(to)) return book;
  const int mapped = IsLongCanon(to) ? BtBookFromProtestant(book) : ProtestantBookFromBt(book);
  if (mapped < 0) return std::nullopt;
  return mapped;
}

}  // namespace skrybon
