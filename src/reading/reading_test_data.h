// A throw-away data folder for the reading-window tests and benchmark, made
// with the program's own writers: every book of every translation has two
// chapters of 5 and 3 verses; book 0 has a third chapter of 176 long verses.
// Verse 2 of chapter 0 contains a double blank. Book 5 has no book files.
#pragma once

#include <stdlib.h>

#include <stdexcept>
#include <filesystem>
#include <string>
#include <vector>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/scripture_data.h"
#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon::testing {

inline constexpr int kMissingBook = 5;
inline constexpr int kLongChapterVerses = 176;

// The text of a verse of the fixture (Windows-1250).
inline std::string FixtureVerse(int book, int chapter, int verse) {
  std::string text = Cp("Księga ") + std::to_string(book) + " rozdział " + std::to_string(chapter + 1) +
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
  CReadingTestData() : folder_(MakeFolder()), data_(folder_.string()) {
    std::filesystem::create_directories(folder_ / "ksiegi");
    for (TranslationId id : kAllTranslations) {
      VerseIndex index;
      for (int book = 0; book < BookCount(id); ++book) {
        std::vector<int> verseCounts = {5, 3};
        if (book == 0) verseCounts.push_back(kLongChapterVerses);
        std::vector<std::string> texts;
        std::vector<std::vector<std::uint16_t>> chapters;
        for (int c = 0; c < static_cast<int>(verseCounts.size()); ++c) {
          std::vector<std::uint16_t> entries;
          for (int v = 0; v < verseCounts[static_cast<std::size_t>(c)]; ++v) {
            entries.push_back(static_cast<std::uint16_t>(texts.size()));
            texts.push_back(FixtureVerse(book, c, v));
          }
          chapters.push_back(std::move(entries));
        }
        index.push_back(std::move(chapters));
        if (book != kMissingBook) {
          const std::string path = (folder_ / BookFilePath(data_.BookFolder(), id, book)).string();
          WriteWholeFile(path, WriteStringArray(texts));
        }
      }
      data_.Get(id).SetIndex(std::move(index));
    }
  }
  ~CReadingTestData() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  CReadingTestData(const CReadingTestData&) = delete;
  CReadingTestData& operator=(const CReadingTestData&) = delete;

  CScriptureData& Data() { return data_; }
  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path BookFile(TranslationId id, int book) const {
    return folder_ / BookFilePath(data_.BookFolder(), id, book);
  }

 private:
  static std::filesystem::path MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skrybon-reading-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
  }

  std::filesystem::path folder_;
  CScriptureData data_;
};

}  // namespace skrybon::testing
