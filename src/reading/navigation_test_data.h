// A throw-away data folder for the navigation tests, made with the program's
// own writers: all three translations with their index, alias and book files.
// BG book 45 ("1 Koryntów", alias "1 Kor") has 16 chapters, every other book
// 1 to 4; chapter c of book b has 3 + (b + c) % 5 verses. Book 42 has the
// aliases "J" and "Jan".
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/scripture_data.h"
#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon::testing {

inline int ChapterCount(int book) { return book == 45 ? 16 : 1 + book % 4; }
inline int VerseCount(int book, int chapter) { return 3 + (book + chapter) % 5; }

class NavigationData {
 public:
  NavigationData() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skrybon-nav-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    std::filesystem::create_directories(folder_ / "ksiegi");
    for (TranslationId id : kAllTranslations) {
      VerseIndex index;
      std::string aliases = Cp("; aliasy\r\n");
      for (int book = 0; book < BookCount(id); ++book) {
        std::vector<std::string> texts;
        auto& chapters = index.emplace_back();
        for (int c = 0; c < ChapterCount(book); ++c) {
          auto& entries = chapters.emplace_back();
          for (int v = 0; v < VerseCount(book, c); ++v) {
            entries.push_back(static_cast<std::uint16_t>(texts.size()));
            texts.push_back("b" + std::to_string(book) + " c" + std::to_string(c + 1) + " v" + std::to_string(v + 1));
          }
        }
        WriteWholeFile((folder_ / BookFilePath("ksiegi", id, book)).string(), WriteStringArray(texts));
        aliases += BookFullName(id, book) + "," + (book == 45 ? "1 Kor, 1Kor" : book == 42 ? "J, Jan" : "") + "\r\n";
      }
      WriteWholeFile((folder_ / IndexFileName(id)).string(), WriteVerseIndex(index));
      WriteWholeFile((folder_ / AliasFileName(id)).string(), std::vector<std::uint8_t>(aliases.begin(), aliases.end()));
    }
    data_ = std::make_unique<CScriptureData>(folder_.string());
    if (!data_->LoadAll([](const std::string& m) { throw std::runtime_error(m); }))
      throw std::runtime_error("fixture does not load");
  }
  ~NavigationData() {
    data_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  CScriptureData& Data() { return *data_; }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<CScriptureData> data_;
};

}  // namespace skrybon::testing
