// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation bar: the book box (the active reading window's book names;
// it also takes a typed place such as "1 Kor 13:4"), the chapter and verse
// boxes with their arrows, the "&Otwórz" button and the history button. It
// shows the active window's place and tells that window which place to show;
// it owns the commands Open and next/previous chapter and book, and the
// commands that put the focus into its boxes. With no active reading window
// everything is disabled. The frame offers it every command first.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "data/scripture_data.h"
#include "reading/navigation.h"
#include "ui/command_target.h"

class QAbstractButton;
class QLabel;
class QSpinBox;

namespace skrybon {

class CBookCombo;
class CBookSpin;
class CChildFrame;
class CFlatBtn;
class CHistoryButton;
class CPlaceSpinBox;
class IFrameHost;

class CNavigationBar : public QWidget, public ICommandTarget {
 public:
  using ActiveWindowFn = std::function<CChildFrame*()>;

  // data outlives the bar; activeWindow answers the active reading window or null.
  CNavigationBar(const CScriptureData& data, ActiveWindowFn activeWindow, QWidget* parent = nullptr);

  // Creates the bar for the frame: puts it into the frame's navigation bar,
  // makes it the first command target and keeps it in step with the frame's
  // active reading window.
  static CNavigationBar* Install(IFrameHost& frame);

  // Brings every control up to date from the active reading window.
  void Refresh();
  // Disables the boxes and arrows, clears the book selection, sets both numbers to 1.
  void DisableAll();
  // Adapt the chapter and verse ranges to the book selected in the book box.
  void UpdateChapterRange();
  void UpdateVerseRange();
  // Reads the book box as a typed place; on failure drops the book list down
  // with the focus in the box and answers false.
  bool ResolveTypedPlace();

  void OnOpen();
  void OnStep(StepCommand step);
  void OnHistory();

  // Focus commands: the book box, or the chapter or verse box with all its text selected.
  void FocusBookBox();
  void FocusChapterBox();
  void FocusVerseBox();
  // Starts typing a place: the focus goes to the book box and the text is
  // typed there as if by the user.
  void TypeIntoBookBox(const QString& text);
  // Sets the verse box's number (1-based) within its range.
  void SetVersePosition(int verse);

  // The translation whose names the book box holds.
  std::optional<TranslationId> ListedTranslation() const { return listed_; }

  CBookCombo* BookBox() const { return bookBox_; }
  QSpinBox* ChapterBox() const;
  QSpinBox* VerseBox() const;
  QAbstractButton* OpenButton() const;
  CHistoryButton* HistoryButton() const { return historyButton_; }

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleKey(QObject* watched, QKeyEvent* key);
  bool HandleTabInOpenList(QKeyEvent* key);
  void StepBook(int delta);
  const CTranslationIndex* ListedIndex() const;
  void WatchWindow(CChildFrame* window);
  void OnCurrentVerseChanged(int verse);

  const CScriptureData& data_;
  ActiveWindowFn activeWindow_;
  std::optional<TranslationId> listed_;

  CBookCombo* bookBox_ = nullptr;
  CBookSpin* bookSpin_ = nullptr;
  CPlaceSpinBox* chapterBox_ = nullptr;
  CPlaceSpinBox* verseBox_ = nullptr;
  CFlatBtn* openButton_ = nullptr;
  CHistoryButton* historyButton_ = nullptr;
};

}  // namespace skrybon
