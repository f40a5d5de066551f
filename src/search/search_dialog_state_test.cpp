// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_dialog_state.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

using Translations = std::array<bool, 3>;

TEST(SearchDialogState, OpeningWithoutAWindowForcesANewWindow) {
  CSearchDialogState dialog;
  dialog.fields.target = 1;
  dialog.fields.translation = 2;
  dialog.Open(std::nullopt);
  EXPECT_EQ(dialog.fields.target, 0);
  EXPECT_FALSE(dialog.enabled.currentWindow);
  EXPECT_EQ(dialog.enabled.translations, (Translations{true, true, true}));
  EXPECT_EQ(dialog.fields.translation, 2);
}

// The clicks between the two targets are pinned by the search dialog's widget test.
TEST(SearchDialogState, OnlyTheCurrentWindowLocksTheTranslation) {
  CSearchDialogState dialog;
  dialog.fields.target = 1;
  dialog.Open(TranslationId::BT);
  EXPECT_EQ(dialog.fields.translation, 2);
  EXPECT_EQ(dialog.enabled.translations, (Translations{false, false, true}));
  // Reopening with "Nowym oknie" and a window open enables every translation and keeps the chosen one.
  dialog.fields.target = 0;
  dialog.Open(TranslationId::BW);
  EXPECT_TRUE(dialog.enabled.currentWindow);
  EXPECT_EQ(dialog.enabled.translations, (Translations{true, true, true}));
  EXPECT_EQ(dialog.fields.translation, 2);
}

TEST(SearchDialogState, ClearResetsEverything) {
  CSearchDialogState dialog;
  dialog.fields.operators = {1, 2, 1};
  dialog.fields.words = {"a", "b", "c", "d"};
  dialog.fields.wordStart = dialog.fields.caseSensitive = true;
  dialog.fields.target = 1;
  dialog.fields.translation = 2;
  dialog.Open(TranslationId::BT);
  dialog.ClickClear();
  EXPECT_EQ(dialog.fields.operators, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(dialog.fields.words, (SearchWords{"", "", "", ""}));
  EXPECT_FALSE(dialog.fields.wordStart || dialog.fields.caseSensitive || dialog.fields.wholeWords);
  EXPECT_EQ(dialog.fields.target, 0);
  EXPECT_EQ(dialog.fields.translation, 0);
  EXPECT_TRUE(dialog.enabled.wholeWords && dialog.enabled.wordStart);
  EXPECT_EQ(dialog.enabled.translations, (Translations{true, true, true}));
}

TEST(SearchDialogState, AcceptTestsEmptinessBeforeTrimming) {
  CSearchDialogState dialog;
  EXPECT_FALSE(dialog.Accept());
  dialog.fields.words = {"", "   ", "", ""};
  EXPECT_TRUE(dialog.Accept());
  EXPECT_EQ(dialog.fields.words[1], "");
  dialog.fields.words = {" \tpan bóg ", "", "wiara\r\n", ""};
  dialog.fields.operators = {2, 1, 0};
  dialog.fields.caseSensitive = true;
  dialog.fields.target = 1;
  dialog.fields.translation = 1;
  ASSERT_TRUE(dialog.Accept());
  const SearchRequest request = dialog.Request();
  EXPECT_EQ(request.words, (SearchWords{"pan bóg", "", "wiara", ""}));
  EXPECT_EQ(request.operators, (SearchOperators{SearchOperator::AndNot, SearchOperator::And, SearchOperator::Or}));
  EXPECT_TRUE(request.caseSensitive);
  EXPECT_EQ(request.target, TargetWindow::CurrentWindow);
  EXPECT_EQ(request.GetTranslationId(), TranslationId::BW);
  EXPECT_EQ(request.method, SearchMethod::Anywhere);
}

}  // namespace
}  // namespace skrybon
