// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_dialog_state.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

using Translations = std::array<bool, 3>;

// Without a window every translation may be chosen (the widget test pins the
// forced "Nowym oknie"); the clicks between the targets are pinned there too.
TEST(SearchDialogState, OnlyTheCurrentWindowLocksTheTranslation) {
  CSearchDialogState dialog;
  dialog.fields.target = 1;
  dialog.fields.translation = 1;
  dialog.Open(std::nullopt);
  EXPECT_EQ(dialog.enabled.translations, (Translations{true, true, true}));
  EXPECT_EQ(dialog.fields.translation, 1);
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

// The words, whole words and the translation are pinned by the widget test.
TEST(SearchDialogState, ClearResetsEverything) {
  CSearchDialogState dialog;
  dialog.fields.operators = {1, 2, 1};
  dialog.fields.wordStart = dialog.fields.caseSensitive = true;
  dialog.fields.target = 1;
  dialog.Open(TranslationId::BT);
  dialog.ClickClear();
  EXPECT_EQ(dialog.fields.operators, (std::array<int, 3>{0, 0, 0}));
  EXPECT_FALSE(dialog.fields.wordStart || dialog.fields.caseSensitive);
  EXPECT_TRUE(dialog.enabled.wholeWords);
  EXPECT_EQ(dialog.fields.target, 0);
  EXPECT_EQ(dialog.enabled.translations, (Translations{true, true, true}));
}

// A translation that is not installed can never be chosen, whatever was chosen before.
TEST(SearchDialogState, OnlyInstalledTranslationsCanBeChosen) {
  struct Case {
    const char* what;
    int chosen;
    Translations installed;
    int expected;
  };
  const Case cases[] = {
      {"chosen one installed stays", 1, {true, true, false}, 1},
      {"BG missing: BW takes its place", 0, {false, true, true}, 1},
      {"only BT", 0, {false, false, true}, 2},
      {"BT missing: BG", 2, {true, false, false}, 0},
  };
  for (const Case& c : cases) {
    CSearchDialogState dialog;
    dialog.fields.translation = c.chosen;
    dialog.Open(std::nullopt, c.installed);
    EXPECT_EQ(dialog.fields.translation, c.expected) << c.what;
    EXPECT_EQ(dialog.enabled.translations, c.installed) << c.what;
    dialog.ClickNewWindow();
    EXPECT_EQ(dialog.enabled.translations, c.installed) << c.what << ", new window";
    dialog.ClickClear();
    EXPECT_EQ(dialog.enabled.translations, c.installed) << c.what << ", cleared";
    EXPECT_TRUE(c.installed[static_cast<std::size_t>(dialog.fields.translation)]) << c.what << ", cleared";
  }
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
