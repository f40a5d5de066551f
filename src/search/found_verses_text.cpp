// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/found_verses_text.h"

#include "data/codepage.h"

namespace skrybon {
namespace {

constexpr std::string_view kSeparator = "\r\n----------------------------\r\n";

}  // namespace

std::string FoundVersesMessage(const CFoundVerseList& list) {
  if (list.GetCount() == 0) return Cp("Nie znaleziono wersetów.");
  std::string words = list.GetWord(0);
  for (int n = 1; n < CFoundVerseList::kWordCount; ++n) {
    if (!list.GetWord(n).empty()) words += ", " + list.GetWord(n);
  }
  return Cp("Znaleziono ") + std::to_string(list.GetCount()) + Cp(" werset(ów). --słowa--> ") + words;
}

std::string FoundVersesFileHeader(const CFoundVerseList& list) {
  std::string out = Cp("Lista znalezionych wersetów dla szukanych wyrazów:\r\n");
  for (int n = 0; n < CFoundVerseList::kWordCount; ++n) {
    out += "  ";
    out += std::to_string(n + 1);
    out += ". \"";
    out += list.GetWord(n);
    out += "\"\r\n";
  }
  out += kSeparator;
  return out;
}

void AppendFoundVerse(std::string& out, std::string_view label, std::string_view text) {
  out += label;
  out += "\r\n\"";
  out += text;
  out += "\"\r\n\r\n";
}

void AppendFoundVersesOfBook(std::string& out, const CFoundVerseList& list, int book,
                             std::span<const std::string> verses) {
  for (int i = 0; i < list.GetCount(); ++i) {
    if (list.GetBook(i) != book) continue;
    const std::uint32_t entry = list.GetEntry(i);
    if (entry >= verses.size()) continue;
    AppendFoundVerse(out, list.GetLabel(i), verses[entry]);
  }
}

std::string FoundVersesFileFooter(const CFoundVerseList& list) {
  std::string out(kSeparator);
  out += "   " + std::to_string(list.GetCount()) + Cp(" werset(ów).\r\n");
  return out;
}

std::string FormatFoundVersesText(const CFoundVerseList& list, int bookCount, const BookVersesReader& read) {
  std::string out = FoundVersesFileHeader(list);
  std::vector<std::string> verses;
  for (int book = 0; book < bookCount; ++book) {
    verses.clear();
    if (!read(book, verses)) continue;
    AppendFoundVersesOfBook(out, list, book, verses);
  }
  out += FoundVersesFileFooter(list);
  return out;
}

std::string FoundVersesDefaultFileName(const CFoundVerseList& list, TranslationId id) {
  std::string name = list.GetWord(0);
  for (int n = 1; n < CFoundVerseList::kWordCount; ++n) {
    if (!list.GetWord(n).empty()) name += "_" + list.GetWord(n);
  }
  name += "_";
  name += TranslationCode(id);
  return name;
}

}  // namespace skrybon
