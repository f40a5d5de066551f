// SPDX-License-Identifier: GPL-2.0-or-later
// Throw-away data folders for the window tests and benchmarks, written with
// the program's own writers (Windows-1250 texts, real book and index files)
// and removed again when the fixture goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/scripture_data.h"
#include "data/translation.h"
#include "data/verse_index.h"
#include "testing/temp_folder.h"

namespace skrybon::testing {

// Writes a file of the fixture; a fixture that cannot be written stops the test.
inline void WriteFixtureFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  if (!WriteFileAtomically(path.string(), bytes)) throw std::runtime_error("cannot write " + path.string());
}

// Verse counts of a book's chapters, and the text of one verse.
using ChapterShape = std::function<std::vector<int>(int book)>;
using VerseText = std::function<std::string(int book, int chapter, int verse)>;

// Writes the book files of one translation into folder/ksiegi (all but
// missingBook) and returns the matching index.
inline VerseIndex WriteBooks(const std::filesystem::path& folder, TranslationId id, const ChapterShape& shape,
                             const VerseText& text, int missingBook = -1) {
  std::filesystem::create_directories(folder / "ksiegi");
  VerseIndex index;
  for (int book = 0; book < BookCount(id); ++book) {
    std::vector<std::string> texts;
    auto& chapters = index.emplace_back();
    const std::vector<int> counts = shape(book);
    for (int c = 0; c < static_cast<int>(counts.size()); ++c) {
      auto& entries = chapters.emplace_back();
      for (int v = 0; v < counts[static_cast<std::size_t>(c)]; ++v) {
        entries.push_back(static_cast<std::uint16_t>(texts.size()));
        texts.push_back(text(book, c, v));
      }
    }
    if (book != missingBook) {
      WriteFixtureFile(folder / BookFilePath("ksiegi", id, book), WriteStringArray(texts));
    }
  }
  return index;
}

// The reading fixture: every book of every translation has two chapters of 5
// and 3 verses; book 0 has a third chapter of 176 long verses. Verse 3 of
// chapter 1 contains a double blank. Book 5 has no book files. The index
// files are written and loaded as the program loads them (no alias files).
inline constexpr int kMissingBook = 5;
inline constexpr int kLongChapterVerses = 176;

// The text of a verse of the reading fixture (Windows-1250).
inline std::string FixtureVerse(int book, int chapter, int verse) {
  std::string text = Cp("Księga ") + std::to_string(book) + Cp(" rozdział ") + std::to_string(chapter + 1) +
                     " werset " + std::to_string(verse + 1);
  if (chapter == 0 && verse == 2) text += Cp(" z  podwójną spacją");
  if (chapter == 2) {
    text += Cp(" Błogosławieni, których droga jest nienaganna, którzy postępują według Prawa Pańskiego."
               " Błogosławieni, którzy zachowują Jego napomnienia i szukają Go całym sercem");
  }
  return text;
}

class CReadingTestData {
 public:
  CReadingTestData() : folder_("skrybon-reading"), data_(folder_.Path().string()) {
    const auto shape = [](int book) {
      return book == 0 ? std::vector<int>{5, 3, kLongChapterVerses} : std::vector<int>{5, 3};
    };
    for (TranslationId id : kAllTranslations) {
      const VerseIndex index = WriteBooks(folder_.Path(), id, shape, FixtureVerse, kMissingBook);
      WriteFixtureFile(folder_.Path() / IndexFileName(id), WriteVerseIndex(index));
    }
    data_.LoadAll([](const std::string&) {});  // only the alias files are missing
  }
  CScriptureData& Data() { return data_; }
  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::filesystem::path BookFile(TranslationId id, int book) const {
    return folder_.Path() / BookFilePath(data_.BookFolder(), id, book);
  }

 private:
  CTempFolder folder_;
  CScriptureData data_;
};

// The navigation fixture: all three translations with their index, alias and
// book files, loaded as the program loads them. BG book 45 ("1 Koryntów",
// alias "1 Kor") has 16 chapters, every other book 1 to 4; chapter c of book b
// has 3 + (b + c) % 5 verses. Book 42 has the aliases "J" and "Jan".
inline int ChapterCount(int book) { return book == 45 ? 16 : 1 + book % 4; }
inline int VerseCount(int book, int chapter) { return 3 + (book + chapter) % 5; }

class NavigationData {
 public:
  NavigationData() : folder_("skrybon-nav") {
    const auto shape = [](int book) {
      std::vector<int> counts;
      for (int c = 0; c < ChapterCount(book); ++c) counts.push_back(VerseCount(book, c));
      return counts;
    };
    const auto text = [](int book, int c, int v) {
      return std::string("b").append(std::to_string(book)).append(" c").append(std::to_string(c + 1))
          .append(" v").append(std::to_string(v + 1));
    };
    for (TranslationId id : kAllTranslations) {
      const VerseIndex index = WriteBooks(folder_.Path(), id, shape, text);
      std::string aliases = Cp("; aliasy\r\n");
      for (int book = 0; book < BookCount(id); ++book)
        aliases += BookFullName(id, book) + "," + (book == 45 ? "1 Kor, 1Kor" : book == 42 ? "J, Jan" : "") + "\r\n";
      WriteFixtureFile(folder_.Path() / IndexFileName(id), WriteVerseIndex(index));
      WriteFixtureFile(folder_.Path() / AliasFileName(id), std::vector<std::uint8_t>(aliases.begin(), aliases.end()));
    }
    data_ = std::make_unique<CScriptureData>(folder_.Path().string());
    data_->LoadAll([](const std::string& m) { throw std::runtime_error(m); });
  }
  CScriptureData& Data() { return *data_; }
  const std::filesystem::path& Folder() const { return folder_.Path(); }

 private:
  CTempFolder folder_;
  std::unique_ptr<CScriptureData> data_;
};

}  // namespace skrybon::testing
