// SPDX-License-Identifier: GPL-2.0-or-later
// The verse list of a reading window: one item per verse of the shown
// chapter, the verse number right-aligned before x = 40 and the words laid out
// from x = 45 to 10 pixels before the right edge by the verse line layout,
// each item as high as its lines plus 5 pixels. Font and colours come from the
// display settings at every measure and paint. Extended selection as in any
// list; no focus rectangle. The words of every verse are kept (Windows-1250)
// so that the verse texts can be given back for citations.
#pragma once

#include <QColor>
#include <QFont>
#include <QListView>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reading/line_layout.h"
#include "reading/text_range.h"

namespace skrybon {

// The verse font and the colours the list draws with.
struct CVerseListLook {
  QFont font;
  QColor background = Qt::white;
  QColor text = Qt::black;
  QColor numbers = Qt::black;
  QColor highlightText = Qt::white;
  QColor highlightBackground = QColor(0, 120, 215);
  QColor foundWords = QColor(200, 0, 0);
  bool showFoundWords = true;  // found words drawn in foundWords, else as the rest
};

class CVerseListModel;
class CVerseTextMeasurer;

class CVerseListBox : public QListView {
  Q_OBJECT

 public:
  // Geometry of an item, in pixels from its left edge.
  static constexpr int kNumberRight = 40;
  static constexpr int kTextLeft = 45;
  static constexpr int kTextRightMargin = 10;
  static constexpr int kExtraHeight = 5;

  explicit CVerseListBox(QWidget* parent = nullptr);
  ~CVerseListBox() override;

  // Where the font and colours come from; read at every measure and paint.
  void SetLookSource(std::function<CVerseListLook()> source);
  // The tooltip of the whole list (the translation title).
  void SetToolTipText(const QString& text);

  // Appends one verse (Windows-1250), split into words at every blank.
  void AddVerse(std::string_view text);
  // Replaces all verses at once and measures them.
  void SetVerses(const std::vector<std::string>& texts);
  void Clear();
  int GetCount() const;
  // The verse's words joined with single blanks; empty for a bad index.
  std::string GetVerseText(int index) const;
  std::vector<std::string> GetVerseTexts() const;

  // The found words of each verse as byte ranges of its GetVerseText, drawn
  // in the look's found-words colour (the glyphs stay where they are); a
  // verse beyond the list gets none. Replaced by the next call; SetVerses
  // and Clear drop them.
  void SetFoundRanges(const std::vector<std::vector<CTextRange>>& perVerse);
  std::vector<CTextRange> GetFoundRanges(int index) const;

  // Gives every item its height anew for the current width and font.
  void MeasureAllItems();
  // MeasureAllItems, then repaints the whole list at once (font or colours changed).
  void Relayout();
  int GetItemHeight(int index) const;
  // The layout the item was last measured with, in item coordinates (top 0).
  const VerseLayout* GetItemLayout(int index) const;

  // Indices of the selected items in ascending order, at most maxCount.
  std::vector<int> GetSelectedItems(std::size_t maxCount) const;
  // Deselects all, then selects `index` (nothing when it is no item) and
  // makes it the current item.
  void SelectOnly(int index);
  void SetTopIndex(int index);
  int GetTopIndex() const;
  // Tells screen readers again that the current verse has the focus (when
  // the list has it), so that the verse is what they speak.
  void AnnounceCurrentItem();

  // Used by the item painter.
  const CVerseListLook& CurrentLook() const { return look_; }
  int TextRight() const;

 signals:
  // The selected items changed (by the user or the program).
  void verseSelectionChanged();
  // Tab in the list: the keyboard focus should go to the book box.
  void bookBoxRequested();
  // A character typed in the list that should start typing a place in the book box.
  void bookBoxTyping(const QString& text);
  // The context menu is wanted at this screen position.
  void contextMenuWanted(const QPoint& globalPos);
  // Ctrl with the mouse wheel: steps > 0 for a larger text, < 0 for a smaller one.
  void zoomWanted(int steps);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void RefreshLook();
  void MeasureItem(int index, const CVerseTextMeasurer& measurer);

  std::function<CVerseListLook()> lookSource_;
  CVerseListLook look_;
  CVerseListModel* model_;
  std::unique_ptr<CVerseTextMeasurer> measurer_;
  int wheelAngle_ = 0;  // Ctrl+wheel turn not yet taken as a step
};

}  // namespace skrybon
