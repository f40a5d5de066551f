#include "search/search_engine.h"

#include <string.h>  // memmem

#include <algorithm>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "search/match_verse.h"

namespace skrybon {
namespace {

const std::array<char, 256>& FoldTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = Cp1250ToLower(static_cast<char>(b));
    return t;
  }();
  return table;
}

}  // namespace

std::string SearchMissingBookMessage(std::string_view path, std::string_view bookFolder, TranslationId id,
                                     int book) {
  return Cp("Nie mogę odnaleźć pliku: '/") + std::string(path) + Cp("'!\nJest to plik z księgą: '") +
         BookFullName(id, book) + Cp("' i musi się znajdować folderze './") + std::string(bookFolder) +
         Cp("' względem głównego foldera programu!\nKsięga ta zostanie pominięta w procesie szukania!");
}

std::string FoundVerseLabel(TranslationId id, int book, int chapter, int verse) {
  return BookFullName(id, book) + " " + std::to_string(chapter + 1) + ":" + std::to_string(verse + 1);
}

CTranslationSearch::CTranslationSearch(const SearchRequest& request, const CTranslationIndex& index,
                                       std::string mainFolder, std::string bookFolder)
    : index_(index),
      mainFolder_(std::move(mainFolder)),
      bookFolder_(std::move(bookFolder)),
      words_(request.words),
      patterns_(request.words),
      operators_(request.operators),
      method_(request.method),
      caseSensitive_(request.caseSensitive) {
  if (!caseSensitive_) {
    for (std::string& pattern : patterns_) Cp1250LowerInPlace(pattern);
  }
}

std::string_view CTranslationSearch::Verse(std::size_t v) const {
  return std::string_view(text_).substr(starts_[v], starts_[v + 1] - 1 - starts_[v]);
}

std::string_view CTranslationSearch::RawVerse(std::size_t v) const {
  const std::string& source = caseSensitive_ ? text_ : raw_;
  return std::string_view(source).substr(starts_[v], starts_[v + 1] - 1 - starts_[v]);
}

void CTranslationSearch::CollectVerses(bool keepRaw) {
  // Every string of the file takes at least one length byte besides its
  // characters (UTF-16 strings two bytes a character), so the verses and
  // their separators never need more room than the file itself.
  text_.resize(bytes_.size());
  starts_.clear();
  keepRaw = keepRaw && !caseSensitive_;
  if (keepRaw) raw_.resize(bytes_.size());
  char* out = text_.data();
  char* raw = raw_.data();
  const std::array<char, 256>& fold = FoldTable();
  const bool caseSensitive = caseSensitive_;
  std::size_t used = 0;
  ForEachString(bytes_, [&](std::size_t, std::string_view verse) {
    starts_.push_back(static_cast<std::uint32_t>(used));
    if (caseSensitive) {
      std::copy(verse.begin(), verse.end(), out + used);
    } else {
      if (keepRaw) std::copy(verse.begin(), verse.end(), raw + used);
      for (std::size_t i = 0; i < verse.size(); ++i) {
        out[used + i] = fold[static_cast<unsigned char>(verse[i])];
      }
    }
    used += verse.size();
    out[used++] = '\n';
  });
  starts_.push_back(static_cast<std::uint32_t>(used));
  text_.resize(used);
}

void CTranslationSearch::FindFirstOccurrences(std::size_t w) {
  const std::string& pattern = patterns_[w];
  std::vector<std::uint32_t>& first = firstPositions_[w];
  const std::size_t verseCount = starts_.size() - 1;
  first.assign(verseCount, kNotFound);
  const char* text = text_.data();
  const std::size_t end = text_.size();
  std::size_t from = 0;
  std::size_t v = 0;
  while (from < end) {
    const void* hit = memmem(text + from, end - from, pattern.data(), pattern.size());
    if (hit == nullptr) break;
    const std::size_t position = static_cast<std::size_t>(static_cast<const char*>(hit) - text);
    while (starts_[v + 1] <= position) ++v;
    const std::size_t verseEnd = starts_[v + 1] - 1;
    if (position + pattern.size() <= verseEnd) {
      // The first occurrence decides; the rest of this verse is not looked at.
      first[v] = static_cast<std::uint32_t>(position - starts_[v]);
      from = starts_[v + 1];
    } else {
      // A hit that runs past the end of its verse is no occurrence.
      from = position + 1;
    }
  }
}

std::optional<std::string> CTranslationSearch::SearchBook(int book, CFoundVerseList& list,
                                                          std::vector<std::string>* texts) {
  const TranslationId id = index_.Id();
  const std::string path = BookFilePath(bookFolder_, id, book);
  if (!ReadWholeFile(mainFolder_ + "/" + path, bytes_)) return SearchMissingBookMessage(path, bookFolder_, id, book);
  try {
    CollectVerses(texts != nullptr);
  } catch (const DataFormatError&) {
    return SearchMissingBookMessage(path, bookFolder_, id, book);
  }
  for (std::size_t w = 0; w < patterns_.size(); ++w) {
    if (!patterns_[w].empty()) FindFirstOccurrences(w);
  }
  const std::size_t verseCount = starts_.size() - 1;
  for (std::size_t v = 0; v < verseCount; ++v) {
    std::array<bool, kSearchWordCount> tests{};
    for (std::size_t w = 0; w < patterns_.size(); ++w) {
      if (patterns_[w].empty()) continue;
      const std::uint32_t position = firstPositions_[w][v];
      tests[w] = position != kNotFound && PassesWordTest(Verse(v), position, patterns_[w].size(), method_);
    }
    if (!CombineWordTests(tests, operators_)) continue;
    int chapter = -1;
    int verse = -1;
    index_.FindVerseOfEntry(book, static_cast<int>(v), chapter, verse);
    if (chapter < 0) continue;
    list.Add(book, static_cast<std::uint32_t>(v), FoundVerseLabel(id, book, chapter, verse));
    if (texts != nullptr) texts->emplace_back(RawVerse(v));
  }
  return std::nullopt;
}

SearchOutcome RunSearch(CTranslationSearch& search, CFoundVerseList& list,
                        const std::function<void(const std::string&)>& report,
                        const std::function<bool(int book)>& afterBook, std::vector<std::string>* texts) {
  list.Clear();
  if (texts != nullptr) texts->clear();
  for (int book = 0; book < search.BookCount(); ++book) {
    if (auto message = search.SearchBook(book, list, texts)) {
      report(*message);
      continue;
    }
    if (!afterBook(book)) {
      list.Clear();
      if (texts != nullptr) texts->clear();
      return SearchOutcome::Cancelled;
    }
  }
  list.SetWords(search.Words());
  return SearchOutcome::Completed;
}

}  // namespace skrybon
