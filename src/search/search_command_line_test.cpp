// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/codepage.h"

namespace skrybon {
namespace {

std::optional<SearchCommandLine> Parse(std::vector<std::string> args, std::string* why = nullptr) {
  std::string error;
  return ParseSearchCommandLine(args, why != nullptr ? *why : error);
}

TEST(SearchCommandLine, WordsAndOperators) {
  auto line = Parse({"--translation", "bt", "--data", "/d", " Bóg ", "I", "niebo", "NIE"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->dataFolder, "/d");
  EXPECT_EQ(line->request.GetTranslationId(), TranslationId::BT);
  EXPECT_EQ(line->request.words, (SearchWords{Cp("Bóg"), "niebo", "", ""}));
  EXPECT_EQ(line->request.operators, (SearchOperators{SearchOperator::And, SearchOperator::AndNot, SearchOperator::Or}));
  EXPECT_EQ(line->request.method, SearchMethod::Anywhere);
  EXPECT_FALSE(line->request.caseSensitive);
  EXPECT_EQ(line->encoding, TextEncoding::Utf8);

  line = Parse({"", "LUB", "wiara", "--word-start", "--case-sensitive", "--translation", "BG", "--encoding", "cp1250"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->request.words, (SearchWords{"", "wiara", "", ""}));
  EXPECT_EQ(line->request.method, SearchMethod::WordStart);
  EXPECT_TRUE(line->request.caseSensitive);
  EXPECT_EQ(line->encoding, TextEncoding::Cp1250);
}

TEST(SearchCommandLine, BadArgumentsAreRefused) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{"wiara"}, "--translation is required"},
      {{"--translation", "xx", "wiara"}, "unknown translation: xx"},
      {{"--translation", "bg"}, "give one to four words joined by LUB, I or NIE"},
      {{"--translation", "bg", "a", "I", "b", "I", "c", "I", "d", "I"}, "give one to four words joined by LUB, I or NIE"},
      {{"--translation", "bg", "a", "ORAZ", "b"}, "not an operator (LUB, I, NIE): ORAZ"},
      {{"--translation", "bg", "--whole-words", "--word-start", "a"}, "--whole-words and --word-start exclude each other"},
      {{"--translation", "bg", "--encoding", "latin2", "a"}, "unknown encoding: latin2"},
      {{"--translation", "bg", std::string(201, 'a')}, "a word or phrase holds at most 200 characters"},
      {{"--translation", "bg", "wiara", "LUB", "α"},
       "word 2 holds U+03B1 'α', which Windows-1250 cannot hold, so it cannot occur in the text"},
      {{"--translation", "bg", "a\xC3"},
       "word 1 holds U+FFFD (malformed UTF-8), which Windows-1250 cannot hold, so it cannot occur in the text"},
      {{"--translation"}, "--translation needs a value"},
      {{"--bogus", "a"}, "unknown option: --bogus"},
      {{"--bogus=1", "a"}, "--bogus takes no value"},
      {{"--case-sensitive=yes", "a"}, "--case-sensitive takes no value"},
  };
  for (const auto& [args, error] : bad) {
    std::string why;
    EXPECT_FALSE(Parse(args, &why)) << error;
    EXPECT_EQ(why, error);
  }
  EXPECT_TRUE(Parse({"--translation", "bg", std::string(200, 'a')}));
  // In cp1250 the words are bytes already.
  EXPECT_TRUE(Parse({"--translation", "bg", "--encoding", "cp1250", "a\xC3"}));
}

}  // namespace
}  // namespace skrybon
