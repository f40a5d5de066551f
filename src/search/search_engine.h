// SPDX-License-Identifier: GPL-2.0-or-later
// The search of a whole translation, book by book. CTranslationSearch reads
// one book file at a time, applies the letter case rule, tests every verse
// and appends the found verses (book, entry number, label) to a
// CFoundVerseList. RunSearch drives it over every book in order, reports
// unreadable book files and lets the caller show progress and cancel after
// each book; a window drives it through these same callbacks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_descriptor.h"
#include "data/verse_index.h"
#include "reading/found_verse_list.h"
#include "search/file_buffer.h"
#include "search/search_request.h"
#include "search/text_scan.h"

namespace skrybon {

// The message for a book file the search cannot read, e.g. for the first BG
// book: "Nie mogę odnaleźć pliku: '/ksiegi/0.bg'!\nJest to plik z księgą:
// '1 Mojżeszowa' i musi się znajdować folderze './ksiegi' względem głównego
// foldera programu!\nKsięga ta zostanie pominięta w procesie szukania!"
std::string SearchMissingBookMessage(std::string_view path, std::string_view bookFolder, TranslationId id,
                                     int book);

// The label of a found verse: the translation's full book name and
// " chapter:verse", both 1-based ("1 Mojżeszowa 1:1", "Rodzaju 1:1").
std::string FoundVerseLabel(TranslationId id, int book, int chapter, int verse);

class CTranslationSearch {
 public:
  // Searches the translation of index (its book files lie in
  // mainFolder/bookFolder) for request's words, operators, method and case rule.
  CTranslationSearch(const SearchRequest& request, const CTranslationIndex& index, std::string mainFolder,
                     std::string bookFolder);

  TranslationId Translation() const { return index_.Id(); }
  int BookCount() const { return skrybon::BookCount(index_.Id()); }
  // The words as the request gave them (trimmed, letter case as typed).
  const SearchWords& Words() const { return words_; }

  // Searches one book and appends its found verses to list, in entry order;
  // when texts is given, the verse text of each found verse (as stored) is
  // appended to it too. Returns nullopt when the book was searched, or the
  // message for a missing or damaged book file, in which case nothing is
  // appended. A found entry that the index does not place in any chapter has
  // no place to show and is left out.
  std::optional<std::string> SearchBook(int book, CFoundVerseList& list, std::vector<std::string>* texts = nullptr);

 private:
  // Finds the book's verses as ranges [starts_, ends_) of haystack_: where
  // they lie in the file, or, when the file holds UTF-16 strings, in a copy.
  void CollectVerses();
  // Marks in passes_[w] the verses where some occurrence of word w passes
  // the word test, and appends them to candidates_.
  void FindPassingOccurrences(std::size_t w);
  // Fills places_ with the chapter and verse of every entry of the book, or
  // -1 for an entry no chapter lists.
  void MapPlaces(int book);
  std::string_view Verse(std::size_t v) const;

  const CTranslationIndex& index_;
  std::string mainFolder_;
  CFileDescriptor mainFolderFd_;  // -1 when it cannot be opened: full paths then
  std::string bookFolder_;
  SearchWords words_;
  // The words under the letter case rule: the finders ignore letter case
  // themselves, so verses are tested as stored. The word tests give the same
  // answers there, as lower-casing never makes or unmakes a separator.
  std::array<CSubstringFinder, kSearchWordCount> finders_;
  SearchOperators operators_;
  SearchMethod method_;

  // Buffers reused from book to book.
  CFileBuffer file_;
  std::string text_;
  std::string_view haystack_;  // the file's bytes or text_
  std::vector<std::uint32_t> starts_;
  std::vector<std::uint32_t> ends_;
  std::vector<std::pair<int, int>> places_;
  std::array<std::vector<std::uint8_t>, kSearchWordCount> passes_;
  std::vector<std::uint32_t> candidates_;  // ascending verse numbers
};

enum class SearchOutcome { Completed, Cancelled };

// Clears list, then searches every book of the translation in order. A book
// that cannot be read goes to report(message) and is skipped without calling
// afterBook. After each searched book afterBook(book) is called; when it
// answers false the search stops, list is cleared and Cancelled returned.
// Otherwise the request's words are stored in list and Completed returned.
// texts, when given, is cleared and receives the text of each found verse.
SearchOutcome RunSearch(CTranslationSearch& search, CFoundVerseList& list,
                        const std::function<void(const std::string&)>& report,
                        const std::function<bool(int book)>& afterBook, std::vector<std::string>* texts = nullptr);

}  // namespace skrybon
