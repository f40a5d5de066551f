// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/command_ids.h"

namespace skrybon {
namespace {

TEST(HelpTopics, EveryHelpIdOfTheControlsHasAPopUpText) {
  // The search dialog's controls by the id rule, the found-verses bar's and
  // the navigation bar's as their tables give them.
  std::vector<std::uint32_t> ids;
  for (int control : {1017, 1018, 1019, 1020, 1021, 1022, 1023, 1025, 1026, 1027, 1029, 1030, 1031, 1032, 1033})
    ids.push_back(0x80000000u + 106u * 65536u + static_cast<std::uint32_t>(control));
  ids.insert(ids.end(), {0x8073040Du, 0x8073040Eu, 0x806703EAu, 0x806703EFu, 0x806703F2u, 0x806703F4u, 0x80670413u});
  for (std::uint32_t id : ids) {
    SCOPED_TRACE(id);
    const CControlHelp* entry = FindControlHelpById(id);
    ASSERT_NE(entry, nullptr);
    EXPECT_GT(entry->text.size(), 20u);
    EXPECT_EQ(FindControlHelp(entry->dialogId, entry->controlId), entry);
  }
  EXPECT_EQ(ControlHelpTable().size(), ids.size());
  EXPECT_EQ(FindControlHelp(106, 1016), nullptr);  // "Wyczyść" has no help id
}

TEST(HelpTopics, ContextRequestsOpenTheCommandTopicOrTheContents) {
  const struct {
    std::uint32_t helpId;
    std::string_view page;
  } cases[] = {
      {0x10000u + ID_SEARCH, "szukanie.html"},
      {0x10000u + ID_EDIT_ALIASES_BT, "aliasy.html"},
      {0x10000u + ID_TARNEL, "dane.html"},
      {0x10000u + 1, kHelpContentsPage},  // a command without a topic
      {0x1FFFFu, kHelpContentsPage},
      {0x806A03F9u, kHelpContentsPage},
      {0, kHelpContentsPage},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpPageForContext(c.helpId), c.page) << c.helpId;
}

TEST(HelpTopics, TheIndexIsInPolishOrderAndSearchFindsWordsAndPageText) {
  const std::vector<CHelpIndexEntry> index = HelpIndex();
  const auto at = [&index](std::string_view word) {
    return std::find_if(index.begin(), index.end(), [word](const CHelpIndexEntry& e) { return e.word == word; }) -
           index.begin();
  };
  EXPECT_LT(at("sąsiadująco"), at("schowek"));  // ą right after a, not after z
  EXPECT_LT(at("linia statusu"), at("marginesy"));
  for (const CHelpIndexEntry& entry : index) EXPECT_NE(FindHelpTopic(entry.page), nullptr) << entry.word;

  const auto text = [](std::string_view page) -> std::string {
    return page == "drukowanie.html" ? "Polecenie Ctrl+P drukuje ŁASKĘ" : "";
  };
  const struct {
    std::string_view query;
    std::string_view firstPage;
    std::string_view firstWord;
  } cases[] = {
      {"ALIASY", "aliasy.html", "aliasy"},
      {"  edycja   ALIAS ", "aliasy.html", "edycja aliasów"},
      {"łaskę", "drukowanie.html", "Drukowanie"},  // found in the page text only
      {"tarnel", "dane.html", "Tarnel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<CHelpIndexEntry> found = SearchHelpIndex(c.query, text);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().page, c.firstPage);
    EXPECT_EQ(found.front().word, c.firstWord);
  }
  EXPECT_TRUE(SearchHelpIndex("qqqq", text).empty());
  EXPECT_EQ(SearchHelpIndex("", text), index);
}

}  // namespace
}  // namespace skrybon
