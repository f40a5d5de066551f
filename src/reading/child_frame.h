// SPDX-License-Identifier: GPL-2.0-or-later
// A reading window: one chapter of one translation in a verse list, the place
// it stands at (0-based book, chapter, verse), the history of the chapters it
// has shown and the found verses of the last search delivered to it. Every
// move goes through ShowPlace. As a command target it handles select-all and
// the comparison commands, and it disables the selection-based and found-list
// commands while they have nothing to act on; when those are enabled it leaves
// them to the program's other command targets.
#pragma once

#include <QMdiSubWindow>
#include <string>
#include <vector>

#include "data/translation.h"
#include "reading/found_verse_list.h"
#include "reading/place_history.h"
#include "ui/command_target.h"

namespace skrybon {

class CReadingWindows;
class CVerseListBox;
struct CitationInput;

// The selected verses of a window with everything the citation forms need.
struct CSelectedVerses {
  TranslationId translation = TranslationId::BG;
  int book = 0;
  int chapter = 0;
  std::vector<int> verses;         // ascending, at most kMaxSelectedVerses
  std::vector<std::string> texts;  // every verse of the chapter
  CitationInput Input() const;  // reading/citation.h
};

class CChildFrame : public QMdiSubWindow, public ICommandTarget {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 210;
  // The least height a new or cascaded window gets.
  static constexpr int kMinimumHeight = 120;

  // The window starts at book 0, chapter -1, verse -1, titled with the
  // translation title, so that its first ShowPlace always loads a chapter.
  CChildFrame(CReadingWindows& windows, TranslationId translation, QWidget* parent = nullptr);
  ~CChildFrame() override;

  // Shows a place of this window's translation (0-based). Within the chapter
  // shown: selects and scrolls to the verse, no reload, no history entry.
  // Another chapter is loaded from its book file; when that fails the reader's
  // message is shown and nothing of the window changes. placeShown() follows
  // in every case.
  void ShowPlace(int book, int chapter, int verse);
  // Shows found verse i of the window's found-verse list.
  void ShowFoundVerse(int i);
  // After the translation was read again: empties the found-verse list and
  // shows the new text at the same place, without a history entry. False
  // when the translation or the place is gone, or its chapter cannot be read
  // (the reader's message is then shown): the window then has to close.
  bool ShowPlaceAgain();

  int GetCurrentBook() const { return book_; }
  int GetCurrentChapter() const { return chapter_; }
  int GetCurrentVerse() const { return verse_; }
  VerseRef GetCurrentPlace() const { return {book_, chapter_, verse_}; }
  TranslationId GetTranslation() const { return translation_; }
  // "Biblia Gdańska"... (Windows-1250).
  const std::string& GetTranslationTitle() const;

  CVerseListBox& GetVerseList() { return *list_; }
  const CVerseListBox& GetVerseList() const { return *list_; }
  CFoundVerseList& GetFoundVerseList() { return found_; }
  const CFoundVerseList& GetFoundVerseList() const { return found_; }
  CPlaceHistory& GetPlaceHistory() { return history_; }
  const CPlaceHistory& GetPlaceHistory() const { return history_; }

  // The selected verse indices, ascending, at most kMaxSelectedVerses.
  std::vector<int> GetSelectedVerses() const;
  CSelectedVerses GetSelection() const;

  // The title follows the selection: "1 Moj. 1:4  (BG)" for one verse,
  // "1 Moj. 1:1-3,5 (BG)" for several; the first selected verse becomes the
  // current verse. Nothing changes while nothing is selected.
  void UpdateSelectionTitle();

  // Marks in the verse list the words of the last search, when it searched
  // this window's translation.
  void MarkFoundWords();

  // Whether the window was opened to compare another window's place.
  bool IsComparison() const { return comparison_; }
  void SetComparison(bool comparison) { comparison_ = comparison; }
  // Selects exactly the given verses (those the chapter has) and scrolls
  // `top` to the top, as a window of the last session was left.
  void RestoreView(const std::vector<int>& selected, int top);

  // Opens the place shown here in a new window of `target`.
  void OpenComparisonWindow(TranslationId target);

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 signals:
  // After every ShowPlace, whether it loaded, reselected or failed.
  void placeShown();
  // The current verse changed with the selection (0-based).
  void currentVerseChanged(int verse);
  // Keys typed in the verse list that belong to the navigation bar's book box.
  void bookBoxRequested();
  void bookBoxTyping(const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void SetTitle(const std::string& cp1250);
  void ShowContextMenu(const QPoint& globalPos);
  bool HasSelection() const;

  CReadingWindows& windows_;
  CFoundVerseList found_;
  const TranslationId translation_;
  int verse_ = -1;
  int chapter_ = -1;
  int book_ = 0;
  bool comparison_ = false;
  CVerseListBox* list_;
  CPlaceHistory history_;
};

}  // namespace skrybon
