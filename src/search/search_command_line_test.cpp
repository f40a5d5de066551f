// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/codepage.h"

namespace skrybon {
namespace {

std::optional<SearchCommandLine> Parse(std::vector<std::string> args, std::string* why = nullptr) {
  std::string error;
  auto line = ParseSearchCommandLine(args, error);
  if (why != nullptr) *why = error;
  return line;
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
  // In cp1250 the words are taken as bytes.
  line = Parse({"--translation=bw", "--encoding", "cp1250", "--whole-words", "--", "\xB3\x61sk", "I", "--x"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->request.words[0], "\xB3\x61sk");
  EXPECT_EQ(line->request.words[1], "--x");
  EXPECT_EQ(line->request.method, SearchMethod::WholeWord);
}

TEST(SearchCommandLine, BadArgumentsAreRefused) {
  const std::vector<std::vector<std::string>> bad = {
      {"wiara"},                                                  // no translation
      {"--translation", "xx", "wiara"},                           // unknown translation
      {"--translation", "bg"},                                    // no word
      {"--translation", "bg", "a", "ORAZ", "b"},                  // not an operator
      {"--translation", "bg", "a", "I", "b", "I", "c", "I", "d", "I"},  // too many
      {"--translation", "bg", "--whole-words", "--word-start", "a"},
      {"--translation", "bg", "--encoding", "latin2", "a"},
      {"--translation", "bg", "--bogus", "a"},
      {"--translation", "bg", std::string(201, 'a')},
      {"--translation"},
      {"--translation", "bg", "--case-sensitive=yes", "a"},
  };
  for (const auto& args : bad) {
    std::string why;
    EXPECT_FALSE(Parse(args, &why)) << args.size();
    EXPECT_FALSE(why.empty());
  }
  EXPECT_TRUE(Parse({"--translation", "bg", std::string(200, 'a')}));

  // A word Windows-1250 cannot hold would be searched as '?': refused, naming it.
  std::string why;
  EXPECT_FALSE(Parse({"--translation", "bg", "wiara", "LUB", "α"}, &why));
  EXPECT_EQ(why, "word 2 holds U+03B1 'α', which Windows-1250 cannot hold, so it cannot occur in the text");
  EXPECT_FALSE(Parse({"--translation", "bg", "a\xC3"}, &why));
  EXPECT_NE(why.find("malformed"), std::string::npos);
  // In cp1250 the words are bytes already.
  EXPECT_TRUE(Parse({"--translation", "bg", "--encoding", "cp1250", "a\xC3"}));
}

}  // namespace
}  // namespace skrybon
