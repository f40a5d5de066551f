// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_engine.h"

#include <fcntl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/whole_file.h"
#include "search/match_verse.h"
#include "search/text_scan.h"

namespace skrybon {

std::string SearchMissingBookMessage(std::string_view path, std::string_view bookFolder, TranslationId id,
                                     int book) {
  return Cp("Nie mogę odnaleźć pliku: '/") + std::string(path) + Cp("'!\nJest to plik z księgą: '") +
         BookFullName(id, book) + Cp("' i musi się znajdować folderze './") + std::string(bookFolder) +
         Cp("' względem głównego foldera programu!\nKsięga ta zostanie pominięta w procesie szukania!");
}

namespace {

// The message for a book file the search could not read: the missing-file
// text when it is not there, otherwise what is wrong with it.
std::string SkippedBookMessage(const FileReadResult& read, const std::string& path, std::string_view bookFolder,
                               TranslationId id, int book) {
  if (read.Missing()) return SearchMissingBookMessage(path, bookFolder, id, book);
  return Cp("Nie mogę odczytać pliku: '/") + path + "' (" + ReadFailureInPolish(read) +
         Cp(")!\nJest to plik z księgą: '") + BookFullName(id, book) +
         Cp("'.\nKsięga ta zostanie pominięta w procesie szukania!");
}

}  // namespace

std::string FoundVerseLabel(TranslationId id, int book, int chapter, int verse) {
  return BookFullName(id, book) + " " + std::to_string(chapter + 1) + ":" + std::to_string(verse + 1);
}

CTranslationSearch::CTranslationSearch(const SearchRequest& request, const CTranslationIndex& index,
                                       std::string mainFolder, std::string bookFolder)
    : index_(index),
      mainFolder_(std::move(mainFolder)),
      // Opened once, so that each book's path is looked up from here on.
      mainFolderFd_(::open(mainFolder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
      bookFolder_(std::move(bookFolder)),
      words_(request.words),
      operators_(request.operators),
      method_(request.method),
      // Room for the largest books from the start, so that the buffer does
      // not grow (and move) book after book.
      file_(256 * 1024) {
  for (std::size_t w = 0; w < words_.size(); ++w) finders_[w] = CSubstringFinder(words_[w], !request.caseSensitive);
  starts_.reserve(4096);
  ends_.reserve(4096);
}

std::string_view CTranslationSearch::Verse(std::size_t v) const {
  return haystack_.substr(starts_[v], ends_[v] - starts_[v]);
}

void CTranslationSearch::CollectVerses() {
  // Plain strings are searched where they lie in the file: the verses are
  // ranges of the file's bytes, and the length bytes between them count as
  // no verse. Strings stored as UTF-16 are converted elsewhere, so a file
  // that has any is copied verse by verse into one text instead.
  const std::span<const std::uint8_t> bytes = file_.Bytes();
  if (FindPlainStrings(bytes, starts_, ends_)) {
    haystack_ = std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return;
  }
  // Every string takes at least one length byte besides its characters
  // (UTF-16 ones two bytes a character), so the copy fits the file's size.
  // A file that cannot be decoded throws here.
  starts_.clear();
  ends_.clear();
  text_.resize(bytes.size());
  std::size_t size = 0;
  ForEachString(bytes, [&](std::size_t, std::string_view verse) {
    starts_.push_back(static_cast<std::uint32_t>(size));
    std::memcpy(text_.data() + size, verse.data(), verse.size());
    size += verse.size();
    ends_.push_back(static_cast<std::uint32_t>(size));
    text_[size++] = '\n';
  });
  haystack_ = std::string_view(text_.data(), size);
}

void CTranslationSearch::FindPassingOccurrences(std::size_t w) {
  const CSubstringFinder& finder = finders_[w];
  const std::size_t length = finder.Needle().size();
  std::vector<std::uint8_t>& passes = passes_[w];
  const std::size_t verseCount = starts_.size();
  passes.assign(verseCount, 0);
  std::size_t from = 0;
  std::size_t v = 0;
  while (from < haystack_.size() && v < verseCount) {
    const std::size_t position = finder.Find(haystack_, from);
    if (position == std::string_view::npos) break;
    while (v < verseCount && ends_[v] <= position) ++v;
    if (v == verseCount) break;
    // A hit that starts between verses or runs past the end of its verse is
    // no occurrence; one that fails the word test may be followed by one that
    // passes, even overlapping it, so the search goes on from the next byte.
    if (position >= starts_[v] && position + length <= ends_[v] &&
        PassesWordTest(Verse(v), position - starts_[v], length, method_)) {
      passes[v] = 1;
      candidates_.push_back(static_cast<std::uint32_t>(v));
      from = ends_[v];
      ++v;
    } else {
      from = position + 1;
    }
  }
}

void CTranslationSearch::MapPlaces(int book) {
  // The same answer as the index's FindVerseOfEntry for every entry, at the
  // cost of one pass over the book's chapters: the first chapter, and in it
  // the first verse, that lists an entry decides.
  const std::size_t verseCount = starts_.size();
  places_.assign(verseCount, {-1, -1});
  const VerseIndex& books = index_.Index();
  if (book < 0 || static_cast<std::size_t>(book) >= books.size()) return;
  const auto& chapters = books[static_cast<std::size_t>(book)];
  for (std::size_t c = 0; c < chapters.size(); ++c) {
    for (std::size_t v = 0; v < chapters[c].size(); ++v) {
      const std::size_t entry = chapters[c][v];
      if (entry < verseCount && places_[entry].first < 0) places_[entry] = {static_cast<int>(c), static_cast<int>(v)};
    }
  }
}

std::optional<std::string> CTranslationSearch::SearchBook(int book, CFoundVerseList& list,
                                                          std::vector<std::string>* texts) {
  const TranslationId id = index_.Id();
  const std::string path = BookFilePath(bookFolder_, id, book);
  const FileReadResult read =
      mainFolderFd_.Get() >= 0 ? file_.ReadAt(mainFolderFd_.Get(), path) : file_.Read(mainFolder_ + "/" + path);
  if (!read) {
    return SkippedBookMessage(read, path, bookFolder_, id, book);
  }
  try {
    CollectVerses();
  } catch (const DataFormatError&) {
    return SearchMissingBookMessage(path, bookFolder_, id, book);
  }
  // A verse where no word passes its test fails whatever the operators
  // (t1 op1 (...) is false when t1 and the rest are), so only the verses
  // where one does are combined.
  candidates_.clear();
  std::size_t words = 0;
  for (std::size_t w = 0; w < finders_.size(); ++w) {
    if (finders_[w].Needle().empty()) continue;
    FindPassingOccurrences(w);
    ++words;
  }
  if (words > 1) {
    std::sort(candidates_.begin(), candidates_.end());
    candidates_.erase(std::unique(candidates_.begin(), candidates_.end()), candidates_.end());
  }
  bool placesMapped = false;
  for (const std::uint32_t v : candidates_) {
    std::array<bool, kSearchWordCount> tests{};
    for (std::size_t w = 0; w < finders_.size(); ++w) {
      tests[w] = !finders_[w].Needle().empty() && passes_[w][v] != 0;
    }
    if (!CombineWordTests(tests, operators_)) continue;
    if (!placesMapped) {
      MapPlaces(book);
      placesMapped = true;
    }
    const auto [chapter, verse] = places_[v];
    if (chapter < 0) continue;
    list.Add(book, v, FoundVerseLabel(id, book, chapter, verse));
    if (texts != nullptr) texts->emplace_back(Verse(v));
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
