// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/verse_list_box.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <unordered_map>

#include "reading/verse_words.h"
#include "ui/qt_text.h"

namespace skrybon {

// Measures words in the verse font, remembering the width of every word it
// has met until the font changes: the same words recur in every verse and on
// every resize, and measuring them again would give the same numbers.
class CVerseTextMeasurer : public ITextMeasurer {
 public:
  void SetFont(const QFont& font) {
    if (valid_ && font == font_) return;
    font_ = font;
    metrics_ = QFontMetrics(font_);
    widths_.clear();
    valid_ = true;
  }
  const QFontMetrics& Metrics() const { return metrics_; }

  Extent Measure(std::string_view text) const override {
    std::string key(text);
    auto it = widths_.find(key);
    if (it == widths_.end()) {
      it = widths_.emplace(std::move(key), metrics_.horizontalAdvance(ToQString(text))).first;
    }
    return {it->second, metrics_.height()};
  }

 private:
  bool valid_ = false;
  QFont font_;
  QFontMetrics metrics_{QFont()};
  mutable std::unordered_map<std::string, int> widths_;
};

namespace {

struct Verse {
  std::vector<std::string> words;  // Windows-1250, as split
  std::vector<QString> shown;      // the same words for drawing
  int height = 0;
  VerseLayout layout;              // from the last measure
  int layoutRight = -1;            // text right edge the layout was made for
  std::vector<CTextRange> found;   // found words in the joined text
  std::vector<std::vector<CTextRange>> foundInWords;  // the same per word, empty when none
};

Verse MakeVerse(std::string_view text) {
  Verse verse;
  verse.words = SplitVerseWords(text);
  verse.shown.reserve(verse.words.size());
  for (const std::string& word : verse.words) verse.shown.push_back(ToQString(word));
  return verse;
}

}  // namespace

// The verses as items of the list: the verse number and text for assistive
// technology and the tooltip; the painting is the delegate's.
class CVerseListModel : public QAbstractListModel {
 public:
  explicit CVerseListModel(QObject* parent) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(verses_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
      return QString("%1. %2").arg(index.row() + 1).arg(ToQString(JoinVerseWords(At(index.row()).words)));
    }
    if (role == Qt::ToolTipRole && !toolTip_.isEmpty()) return toolTip_;
    return {};
  }

  const Verse& At(int row) const { return verses_[static_cast<std::size_t>(row)]; }
  Verse& At(int row) { return verses_[static_cast<std::size_t>(row)]; }
  std::vector<Verse>& Verses() { return verses_; }

  void Append(Verse verse) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    verses_.push_back(std::move(verse));
    endInsertRows();
  }
  void Replace(std::vector<Verse> verses) {
    beginResetModel();
    verses_ = std::move(verses);
    endResetModel();
  }
  void SetToolTip(const QString& text) { toolTip_ = text; }

 private:
  std::vector<Verse> verses_;
  QString toolTip_;
};

namespace {

// Paints one verse: background, number, words where the layout put them.
class CVerseItemDelegate : public QStyledItemDelegate {
 public:
  CVerseItemDelegate(CVerseListBox* list, CVerseListModel* model)
      : QStyledItemDelegate(list), list_(list), model_(model) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return {list_->viewport()->width(), list_->GetItemHeight(index.row())};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!index.isValid() || index.row() >= model_->rowCount()) return;
    const CVerseListLook& look = list_->CurrentLook();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect rect = option.rect;
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, selected ? look.highlightBackground : look.background);
    painter->setFont(look.font);
    const QFontMetrics metrics(look.font);
    const int lineHeight = metrics.height();

    painter->setPen(selected ? look.highlightText : look.numbers);
    painter->drawText(QRect(rect.left(), rect.top(), CVerseListBox::kNumberRight, lineHeight),
                      Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, QString("%1.").arg(index.row() + 1));

    const VerseLayout* layout = list_->GetItemLayout(index.row());
    if (layout != nullptr) {
      const Verse& verse = model_->At(index.row());
      const QColor wordColor = selected ? look.highlightText : look.text;
      painter->setPen(wordColor);
      const bool marked = look.showFoundWords && !verse.foundInWords.empty();
      for (const PlacedWord& placed : layout->words) {
        const QPoint at(rect.left() + placed.x, rect.top() + placed.line * lineHeight + metrics.ascent());
        const QString& word = verse.shown[placed.word];
        if (marked && !verse.foundInWords[placed.word].empty()) {
          PaintMarkedWord(*painter, metrics, at, word, verse.foundInWords[placed.word], wordColor, look.foundWords);
        } else {
          painter->drawText(at, word);
        }
      }
    }
    painter->restore();
  }

 private:
  // The word drawn whole twice, each time clipped to its own parts: the found
  // parts in the found colour, the rest in the word colour; the glyphs stand
  // where a plain drawing puts them.
  static void PaintMarkedWord(QPainter& painter, const QFontMetrics& metrics, QPoint at, const QString& word,
                              const std::vector<CTextRange>& parts, const QColor& wordColor,
                              const QColor& foundColor) {
    // Reaching out by a glyph's width at both ends of the word keeps its overhanging strokes.
    const QRect line(at.x() - metrics.maxWidth(), at.y() - metrics.ascent(),
                     metrics.horizontalAdvance(word) + 2 * metrics.maxWidth(), metrics.height());
    const auto edge = [&](std::size_t byte) {
      if (byte == 0) return line.left();
      if (byte >= static_cast<std::size_t>(word.size())) return line.right() + 1;
      return at.x() + metrics.horizontalAdvance(word.left(static_cast<qsizetype>(byte)));
    };
    QRegion found;
    for (const CTextRange& part : parts) {
      const int from = edge(part.begin);
      const int to = edge(part.end);
      if (from < to) found += QRect(from, line.top(), to - from, line.height());
    }
    const QRegion clip = painter.hasClipping() ? painter.clipRegion() : QRegion(line);
    painter.setClipRegion(clip.subtracted(found));
    painter.setPen(wordColor);
    painter.drawText(at, word);
    painter.setClipRegion(clip.intersected(found));
    painter.setPen(foundColor);
    painter.drawText(at, word);
    painter.setClipRegion(clip);
    painter.setPen(wordColor);
  }

  CVerseListBox* list_;
  CVerseListModel* model_;
};

}  // namespace

CVerseListBox::CVerseListBox(QWidget* parent)
    : QListView(parent), model_(new CVerseListModel(this)), measurer_(std::make_unique<CVerseTextMeasurer>()) {
  setModel(model_);
  setItemDelegate(new CVerseItemDelegate(this, model_));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A fixed scroll bar keeps the text width from changing with the chapter's length.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setUniformItemSizes(false);
  setAccessibleName(QStringLiteral("Wersety"));
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { emit verseSelectionChanged(); });
  RefreshLook();
}

CVerseListBox::~CVerseListBox() = default;

void CVerseListBox::SetLookSource(std::function<CVerseListLook()> source) {
  lookSource_ = std::move(source);
  Relayout();
}

void CVerseListBox::SetToolTipText(const QString& text) {
  model_->SetToolTip(text);
  setToolTip(text);
  setAccessibleDescription(text);
}

void CVerseListBox::RefreshLook() {
  if (lookSource_) {
    look_ = lookSource_();
  } else {
    look_.font = font();
  }
  measurer_->SetFont(look_.font);
  QPalette pal = palette();
  if (pal.color(QPalette::Base) != look_.background) {
    pal.setColor(QPalette::Base, look_.background);
    setPalette(pal);
  }
}

int CVerseListBox::TextRight() const { return viewport()->width() - kTextRightMargin; }

void CVerseListBox::AddVerse(std::string_view text) {
  model_->Append(MakeVerse(text));
  RefreshLook();
  MeasureItem(GetCount() - 1, *measurer_);
}

void CVerseListBox::SetVerses(const std::vector<std::string>& texts) {
  std::vector<Verse> verses;
  verses.reserve(texts.size());
  for (const std::string& text : texts) verses.push_back(MakeVerse(text));
  model_->Replace(std::move(verses));
  MeasureAllItems();
}

void CVerseListBox::Clear() { model_->Replace({}); }

int CVerseListBox::GetCount() const { return model_->rowCount(); }

void CVerseListBox::SetFoundRanges(const std::vector<std::vector<CTextRange>>& perVerse) {
  for (int i = 0; i < GetCount(); ++i) {
    Verse& verse = model_->At(i);
    const auto index = static_cast<std::size_t>(i);
    verse.found = index < perVerse.size() ? perVerse[index] : std::vector<CTextRange>{};
    verse.foundInWords.clear();
    if (!verse.found.empty()) verse.foundInWords = RangesPerWord(verse.words, verse.found);
  }
  viewport()->update();
}

std::vector<CTextRange> CVerseListBox::GetFoundRanges(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return model_->At(index).found;
}

std::string CVerseListBox::GetVerseText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return JoinVerseWords(model_->At(index).words);
}

std::vector<std::string> CVerseListBox::GetVerseTexts() const {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(GetCount()));
  for (int i = 0; i < GetCount(); ++i) texts.push_back(GetVerseText(i));
  return texts;
}

void CVerseListBox::MeasureItem(int index, const CVerseTextMeasurer& measurer) {
  Verse& verse = model_->At(index);
  const int right = TextRight();
  verse.layout = LayOutVerse(verse.words, measurer, kTextLeft, right);
  verse.layoutRight = right;
  verse.height = std::min(verse.layout.height + kExtraHeight, 0xFFFF);
}

void CVerseListBox::MeasureAllItems() {
  const int top = GetTopIndex();
  RefreshLook();
  for (int i = 0; i < GetCount(); ++i) MeasureItem(i, *measurer_);
  doItemsLayout();
  // The verse at the top stays there when the heights change.
  if (top > 0) scrollTo(model_->index(top), QAbstractItemView::PositionAtTop);
}

void CVerseListBox::Relayout() {
  MeasureAllItems();
  viewport()->repaint();
}

int CVerseListBox::GetItemHeight(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  return model_->At(index).height;
}

const VerseLayout* CVerseListBox::GetItemLayout(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return &model_->At(index).layout;
}

std::vector<int> CVerseListBox::GetSelectedItems(std::size_t maxCount) const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.size() > maxCount) rows.resize(maxCount);
  return rows;
}

void CVerseListBox::SelectOnly(int index) {
  if (index >= 0 && index < GetCount()) {
    selectionModel()->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clearSelection();
  }
}

void CVerseListBox::SetTopIndex(int index) {
  if (index < 0 || index >= GetCount()) return;
  scrollTo(model_->index(index), QAbstractItemView::PositionAtTop);
}

int CVerseListBox::GetTopIndex() const { return indexAt(QPoint(1, 1)).row(); }

bool CVerseListBox::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      emit bookBoxRequested();
      return true;
    }
  }
  return QListView::event(event);
}

void CVerseListBox::keyPressEvent(QKeyEvent* event) {
  // The list would copy its current item's text; copying is the program's
  // command, which reaches here only while it is disabled.
  if (event->matches(QKeySequence::Copy)) {
    event->ignore();
    return;
  }
  const QString text = event->text();
  const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (!command && !text.isEmpty() && text.at(0) >= QChar(' ') && text.at(0) != QChar(0x7F)) {
    const char16_t code = text.at(0).unicode();
    // '!' to '(' share their codes with the list's movement keys and stay in the list.
    if (code < u'!' || code > u'(') emit bookBoxTyping(text);
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

void CVerseListBox::focusInEvent(QFocusEvent* event) {
  QListView::focusInEvent(event);
  // A screen reader speaks what got the focus last. When the list gets the
  // focus, the focus event of its current verse comes first, then the list's
  // and, when its window was focused, the window's; once those are out the
  // verse gets the focus event again.
  QMetaObject::invokeMethod(this, &CVerseListBox::AnnounceCurrentItem, Qt::QueuedConnection);
}

void CVerseListBox::AnnounceCurrentItem() {
  const QModelIndex current = currentIndex();
  if (!QAccessible::isActive() || !hasFocus() || !current.isValid()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(current.row());
  QAccessible::updateAccessibility(&focus);
}

void CVerseListBox::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  // The heights depend on the text width only: a window made just taller or
  // shorter keeps every layout.
  if (GetCount() > 0 && model_->At(0).layoutRight == TextRight()) return;
  MeasureAllItems();
}

void CVerseListBox::paintEvent(QPaintEvent* event) {
  RefreshLook();
  QListView::paintEvent(event);
}

void CVerseListBox::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    wheelAngle_ = 0;
    QListView::wheelEvent(event);
    return;
  }
  // One step for every notch (120) of the wheel, however finely a touchpad
  // delivers the turn.
  wheelAngle_ += event->angleDelta().y();
  const int steps = wheelAngle_ / 120;
  wheelAngle_ -= steps * 120;
  if (steps != 0) emit zoomWanted(steps);
  event->accept();
}

void CVerseListBox::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint pos = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos();
  emit contextMenuWanted(pos);
  event->accept();
}

}  // namespace skrybon
