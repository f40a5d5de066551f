// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "search/match_verse.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

constexpr auto Or = SearchOperator::Or;
constexpr auto And = SearchOperator::And;

SearchRequest Words(std::initializer_list<std::string_view> utf8, SearchOperators ops = {Or, Or, Or}) {
  SearchRequest request;
  std::size_t i = 0;
  for (std::string_view w : utf8) request.words[i++] = Cp(w);
  request.operators = ops;
  return request;
}

void WriteBook(const std::string& folder, TranslationId id, int book, const std::vector<std::string>& utf8) {
  std::vector<std::string> verses;
  for (const std::string& v : utf8) verses.push_back(Cp(v));
  ASSERT_TRUE(WriteFileAtomically(folder + "/" + BookFilePath("ksiegi", id, book), WriteStringArray(verses)));
}

// A small BG translation: every book one verse "nic", except book 0 with two
// chapters (entries 0-2 and 3, 4 and 2 again, plus an entry 5 no chapter
// lists), book 1
// whose file is missing and book 2 whose file is cut short.
class SmallTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder + "/ksiegi");
    VerseIndex books(66, {{0}});
    books[0] = {{0, 1, 2}, {3, 4, 2}};
    books[65] = {{0, 1}};
    index.SetIndex(books);
    for (int b = 3; b < 66; ++b) WriteBook(folder, TranslationId::BG, b, {"nic"});
    WriteBook(folder, TranslationId::BG, 0,
              {"Na początku stworzył Bóg niebo", "a ziemia była próżna", "I rzekł BÓG: niech",
               "ŁASKA i pokój", "łaska wam", "Bóg poza indeksem"});
    const auto good = WriteStringArray({Cp("Bóg"), Cp("Bóg")});
    ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/2.bg", std::span(good).first(good.size() - 1)));
    WriteBook(folder, TranslationId::BG, 65, {"nic", "łaska Pana naszego"});
  }

  struct Run {
    SearchOutcome outcome;
    std::vector<std::string> messages;
    std::vector<int> booksDone;
  };

  Run Search(const SearchRequest& request, int cancelAfter = -1) {
    CTranslationSearch search(request, index, folder, "ksiegi");
    Run run;
    run.outcome = RunSearch(
        search, list, [&](const std::string& m) { run.messages.push_back(m); },
        [&](int book) {
          run.booksDone.push_back(book);
          return book != cancelAfter;
        },
        &texts);
    return run;
  }

  std::vector<std::string> Labels() const {
    std::vector<std::string> labels;
    for (int i = 0; i < list.GetCount(); ++i) labels.push_back(Cp1250ToUtf8(list.GetLabel(i)));
    return labels;
  }

  testing::CTempFolder temp;
  std::string folder = temp.String();
  CTranslationIndex index{TranslationId::BG};
  CFoundVerseList list;
  std::vector<std::string> texts;
};

TEST_F(SmallTranslation, UnreadableBooksAreReportedAndSkipped) {
  // Book 3's file is a folder: there, but it cannot be read.
  std::filesystem::remove(folder + "/ksiegi/3.bg");
  std::filesystem::create_directory(folder + "/ksiegi/3.bg");
  const Run run = Search(Words({"bóg"}));
  EXPECT_EQ(run.outcome, SearchOutcome::Completed);
  ASSERT_EQ(run.messages.size(), 3u);
  EXPECT_EQ(Cp1250ToUtf8(run.messages[0]),
            "Nie mogę odnaleźć pliku: '/ksiegi/1.bg'!\nJest to plik z księgą: '2 Mojżeszowa' i musi się znajdować "
            "folderze './ksiegi' względem głównego foldera programu!\nKsięga ta zostanie pominięta w procesie "
            "szukania!");
  EXPECT_NE(run.messages[1].find("/ksiegi/2.bg"), std::string::npos);
  EXPECT_EQ(Cp1250ToUtf8(run.messages[2]),
            "Nie mogę odczytać pliku: '/ksiegi/3.bg' (jest to folder, a nie plik)!\nJest to plik z księgą: "
            "'4 Mojżeszowa'.\nKsięga ta zostanie pominięta w procesie szukania!");
  // Progress is reported for the 63 books that were searched, in order.
  ASSERT_EQ(run.booksDone.size(), 63u);
  EXPECT_EQ(run.booksDone.front(), 0);
  EXPECT_EQ(run.booksDone[1], 4);
  // Not case-sensitive: "Bóg" and "BÓG" are found; the damaged book adds nothing,
  // the entry that no chapter lists is left out, and an entry listed twice
  // takes its first place, as the index's own lookup gives it.
  EXPECT_EQ(Labels(), (std::vector<std::string>{"1 Mojżeszowa 1:1", "1 Mojżeszowa 1:3"}));
  EXPECT_EQ(list.GetEntry(1), 2u);
  EXPECT_EQ(Cp1250ToUtf8(list.GetWord(0)), "bóg");
  EXPECT_EQ(texts, (std::vector<std::string>{Cp("Na początku stworzył Bóg niebo"), Cp("I rzekł BÓG: niech")}));
}

TEST_F(SmallTranslation, LetterCaseRule) {
  Search(Words({"łaska"}));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"1 Mojżeszowa 2:1", "1 Mojżeszowa 2:2", "Objawienie Jana 1:2"}));
  SearchRequest sensitive = Words({"Bóg"});
  sensitive.caseSensitive = true;
  Search(sensitive);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"1 Mojżeszowa 1:1"}));
  // The words are kept as typed, whatever the case rule.
  Search(Words({"ŁASKA", "", "Pokój"}, {And, Or, Or}));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"1 Mojżeszowa 2:1"}));
  EXPECT_EQ(Cp1250ToUtf8(list.GetWord(0)), "ŁASKA");
  EXPECT_EQ(list.GetWord(1), "");
  EXPECT_EQ(Cp1250ToUtf8(list.GetWord(2)), "Pokój");
}

TEST_F(SmallTranslation, CancelDiscardsWhatWasFound) {
  Search(Words({"nic"}));
  ASSERT_GT(list.GetCount(), 0);
  list.SetCurrent(7);
  const Run run = Search(Words({"bóg"}), 4);
  EXPECT_EQ(run.outcome, SearchOutcome::Cancelled);
  EXPECT_EQ(run.booksDone, (std::vector<int>{0, 3, 4}));
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_TRUE(texts.empty());
  EXPECT_EQ(list.GetWord(0), "");
  EXPECT_EQ(list.GetCurrent(), 7);
}

// The scan finds a word wherever any occurrence passes the word test, also
// when a failing one comes first or overlaps it, at either end of a verse.
TEST_F(SmallTranslation, EveryOccurrenceOfAWordIsTried) {
  WriteBook(folder, TranslationId::BG, 0,
            {"Do pana mego rzekł Pan", "pan, panie", "spana pan:", "(pan) i -pan", "-pan i panowie", "anana",
             "banana ana", "ba a a", "nic"});
  VerseIndex books = index.Index();
  books[0] = {{0, 1, 2, 3, 4, 5, 6, 7, 8}};
  index.SetIndex(books);
  struct Case {
    const char* word;
    SearchMethod method;
    std::vector<std::uint32_t> entries;
  };
  const Case cases[] = {
      {"pan", SearchMethod::WordStart, {0, 1, 2, 4}}, {"pan", SearchMethod::WholeWord, {0, 1, 2}},
      {"ana", SearchMethod::WordStart, {5, 6}},       {"ana", SearchMethod::WholeWord, {6}},
      {"a a", SearchMethod::WordStart, {7}},          {"a a", SearchMethod::WholeWord, {7}},
  };
  for (const Case& c : cases) {
    SearchRequest request = Words({c.word});
    request.method = c.method;
    Search(request);
    std::vector<std::uint32_t> entries;
    for (int i = 0; i < list.GetCount() && list.GetBook(i) == 0; ++i) entries.push_back(list.GetEntry(i));
    EXPECT_EQ(entries, c.entries) << c.word << " " << static_cast<int>(c.method);
  }
}

// A BG translation whose book 0 is the given file, one chapter listing its
// first verses entries; the other books are empty.
CTranslationIndex OneBook(const std::string& folder, const std::vector<std::uint8_t>& file, int verses) {
  std::filesystem::create_directories(folder + "/ksiegi");
  EXPECT_TRUE(WriteFileAtomically(folder + "/ksiegi/0.bg", file));
  for (int b = 1; b < 66; ++b) WriteBook(folder, TranslationId::BG, b, {});
  CTranslationIndex index(TranslationId::BG);
  VerseIndex books(66, {{0}});
  books[0] = {{}};
  for (int v = 0; v < verses; ++v) books[0][0].push_back(static_cast<std::uint16_t>(v));
  index.SetIndex(books);
  return index;
}

// The book-at-once scan must find exactly the verses that MatchVerse accepts
// one by one, for every method and case rule, whatever lies at verse edges,
// both where verses are searched inside the file's bytes and where a UTF-16
// string makes the scan copy them (withUtf16).
class SearchScan : public ::testing::TestWithParam<bool> {};

TEST_P(SearchScan, AgreesWithMatchVerseVerseByVerse) {
  const testing::CTempFolder temp;
  const std::string folder = temp.String();
  std::mt19937 random(12345);
  const std::string alphabet = Cp("abAB ,.-\"(ĄąŁł\n");
  std::vector<std::string> verses;
  for (int v = 0; v < 3000; ++v) {
    std::string verse;
    // Mostly short verses; every 100th is long enough for a three-byte length.
    const int length = v % 100 == 99 ? 300 : static_cast<int>(random() % 12);
    for (int c = 0; c < length; ++c) verse += alphabet[random() % alphabet.size()];
    verses.push_back(verse);
  }
  std::vector<std::uint8_t> file = WriteStringArray(verses);
  if (GetParam()) {
    // One more string, "x" as UTF-16LE, that no chapter lists.
    file[0] = static_cast<std::uint8_t>((verses.size() + 1) & 0xFF);
    file[1] = static_cast<std::uint8_t>((verses.size() + 1) >> 8);
    file.insert(file.end(), {0xFF, 0xFE, 0xFF, 0x01, 'x', 0x00});
  }
  const CTranslationIndex index = OneBook(folder, file, 3000);

  // "a\n", "b\x03", "\na" and "\x04a" hold what may lie between verses:
  // the separator of copied verses, a length byte of the file.
  const std::vector<std::string> candidates = {"a", "ab", "b a", "a a", "aba", Cp("ą"), "a\na", "\"a", "A,", "ba.", "a\n", "b\x03", "\na", "\x04" "a"};
  for (int trial = 0; trial < 60; ++trial) {
    SearchRequest request;
    for (std::string& w : request.words) w = random() % 3 == 0 ? "" : candidates[random() % candidates.size()];
    for (SearchOperator& op : request.operators) op = static_cast<SearchOperator>(random() % 3);
    request.method = static_cast<SearchMethod>(trial % 3);
    request.caseSensitive = trial % 2 == 0;
    CTranslationSearch search(request, index, folder, "ksiegi");
    CFoundVerseList list;
    RunSearch(search, list, [](const std::string&) {}, [](int) { return true; });
    std::vector<std::uint32_t> expected;
    SearchWords words = request.words;
    if (!request.caseSensitive) {
      for (std::string& w : words) Cp1250LowerInPlace(w);
    }
    for (std::size_t v = 0; v < verses.size(); ++v) {
      const std::string verse = request.caseSensitive ? verses[v] : Cp1250Lower(verses[v]);
      if (MatchVerse(verse, words, request.operators, request.method)) expected.push_back(static_cast<std::uint32_t>(v));
    }
    std::vector<std::uint32_t> found;
    for (int i = 0; i < list.GetCount(); ++i) found.push_back(list.GetEntry(i));
    EXPECT_EQ(found, expected) << "trial " << trial;
  }
}

INSTANTIATE_TEST_SUITE_P(InPlaceAndCopied, SearchScan, ::testing::Bool());

// The scan tests word boundaries on the verses as stored, not lower-cased:
// that gives the same answers only while lower-casing keeps every separator
// and makes none.
TEST(SearchScan, LowerCasingNeitherMakesNorUnmakesASeparator) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(IsSearchSeparator(Cp1250ToLower(c)), IsSearchSeparator(c)) << b;
  }
}

TEST(SearchScanUtf16, FindsVersesStoredAsUtf16) {
  const testing::CTempFolder temp;
  const std::string folder = temp.String();
  // Two strings: "x" plainly, then "Łk" as UTF-16LE.
  const CTranslationIndex index =
      OneBook(folder, {0x02, 0x00, 0x01, 'x', 0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x01, 0x6B, 0x00}, 2);
  CTranslationSearch search(Words({"łk"}), index, folder, "ksiegi");
  CFoundVerseList list;
  std::vector<std::string> texts;
  RunSearch(search, list, [](const std::string&) {}, [](int) { return true; }, &texts);
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetEntry(0), 1u);
  EXPECT_EQ(texts, (std::vector<std::string>{Cp("Łk")}));
}

}  // namespace
}  // namespace skrybon
