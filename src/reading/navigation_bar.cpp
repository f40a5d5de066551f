// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/navigation_bar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "reading/book_combo.h"
#include "reading/child_frame.h"
#include "reading/history_button.h"
#include "reading/place_spin_box.h"
#include "ui/command_ids.h"
#include "ui/context_help.h"
#include "ui/flat_button.h"
#include "ui/frame_host.h"
#include "ui/icons.h"
#include "ui/qt_text.h"

namespace skrybon {

namespace {

QLabel* NewLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

// Sets a box's range 1..count and its number, taken into that range (the
// boxes wrap, so the platform would wrap a number outside it).
void SetRangeAndValue(QSpinBox* box, int count, int value) {
  const int last = std::max(count, 1);
  box->setRange(1, last);
  box->setValue(std::clamp(value, 1, last));
}

void SetTips(QWidget* widget, const QString& tip) {
  widget->setToolTip(tip);
  widget->setStatusTip(tip);
}

std::optional<StepCommand> StepOf(int id) {
  switch (id) {
    case ID_NEXT_CHAPTER: return StepCommand::NextChapter;
    case ID_PREV_CHAPTER: return StepCommand::PrevChapter;
    case ID_NEXT_BOOK: return StepCommand::NextBook;
    case ID_PREV_BOOK: return StepCommand::PrevBook;
    default: return std::nullopt;
  }
}

// The frame's accelerators that must reach the frame even from inside the
// bar's text fields, which would otherwise take them as editing keys.
bool IsNavigationAccelerator(const QKeyEvent* key) {
  if (key->modifiers() != Qt::ControlModifier) return false;
  switch (key->key()) {
    case Qt::Key_K: case Qt::Key_R: case Qt::Key_E: case Qt::Key_O:
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

}  // namespace

CNavigationBar::CNavigationBar(const CScriptureData& data, ActiveWindowFn activeWindow, QWidget* parent)
    : QWidget(parent), data_(data), activeWindow_(std::move(activeWindow)) {
  setObjectName("NavigationBar");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(2);

  QLabel* bookLabel = NewLabel(QStringLiteral("Księga:  "), this);
  layout->addWidget(bookLabel);
  bookBox_ = new CBookCombo(this);
  // Screen readers on Linux take a combo box's name from its label (its own
  // name is the chosen book, read again as its value).
  bookLabel->setBuddy(bookBox_);
  bookBox_->setMinimumContentsLength(22);
  bookBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  bookBox_->SetExtendedUI(true);
  bookBox_->setAccessibleName(QStringLiteral("Księga"));
  SetTips(bookBox_, QStringLiteral("Księga"));
  layout->addWidget(bookBox_);

  bookSpin_ = new CBookSpin(this);
  SetTips(bookSpin_, QStringLiteral("Zmienia księgi"));
  bookSpin_->SetOnStep([this](int delta) { StepBook(delta); });
  layout->addWidget(bookSpin_);

  // A labelled number box: the field's tip names it, the arrows' tip says what they change.
  const auto addPlaceBox = [this, layout](const QString& name, const QString& arrowsTip) {
    layout->addSpacing(4);
    layout->addWidget(NewLabel(name + QStringLiteral(":  "), this));
    auto* box = new CPlaceSpinBox(this);
    box->setAccessibleName(name);
    SetTips(box, arrowsTip);
    SetTips(box->Edit(), name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 28);
    layout->addWidget(box);
    return box;
  };
  chapterBox_ = addPlaceBox(QStringLiteral("Rozdział"), QStringLiteral("Zmienia rozdział"));
  chapterBox_->SetOnStep([this] { UpdateVerseRange(); });
  verseBox_ = addPlaceBox(QStringLiteral("Werset"), QStringLiteral("Zmienia werset"));

  layout->addSpacing(6);
  openButton_ = new CFlatBtn(QStringLiteral("&Otwórz"), this);
  SetTips(openButton_, QStringLiteral("Otwiera tekst biblijny"));
  connect(openButton_, &QAbstractButton::clicked, this, [this] { OnOpen(); });
  layout->addWidget(openButton_);

  historyButton_ = new CHistoryButton(this);
  historyButton_->setAccessibleName(QStringLiteral("Historia"));
  SetTips(historyButton_, QStringLiteral("Historia - ostatnie miejsca..."));
  connect(historyButton_, &QAbstractButton::clicked, this, [this] { OnHistory(); });
  layout->addWidget(historyButton_);
  layout->addStretch(1);

  const std::initializer_list<QObject*> watched = {bookBox_,   bookBox_->lineEdit(), chapterBox_,  chapterBox_->Edit(),
                                                   verseBox_, verseBox_->Edit(),   openButton_, historyButton_};
  for (QObject* control : watched) control->installEventFilter(this);
  bookBox_->view()->installEventFilter(this);

  InstallContextHelp(*this, 101, {{1001, bookSpin_}, {1009, chapterBox_}, {1013, verseBox_}, {1015, bookBox_},
                                   {1024, openButton_}});

  DisableAll();
  openButton_->setEnabled(false);
  historyButton_->setEnabled(false);
}

CNavigationBar* CNavigationBar::Install(IFrameHost& frame) {
  IFrameHost* owner = &frame;
  auto* bar = new CNavigationBar(frame.Data(),
                                 [owner] { return qobject_cast<CChildFrame*>(owner->ActiveReadingWindow()); });
  frame.SetNavigationBar(bar, bar);
  connect(&frame, &IFrameHost::activeReadingWindowChanged, bar, &CNavigationBar::Refresh);
  bar->Refresh();
  return bar;
}

QAbstractButton* CNavigationBar::OpenButton() const { return openButton_; }
QSpinBox* CNavigationBar::ChapterBox() const { return chapterBox_; }
QSpinBox* CNavigationBar::VerseBox() const { return verseBox_; }

const CTranslationIndex* CNavigationBar::ListedIndex() const {
  return listed_ ? &data_.Get(*listed_) : nullptr;
}

void CNavigationBar::DisableAll() {
  bookBox_->SelectBook(-1);
  bookBox_->setEnabled(false);
  bookSpin_->setEnabled(false);
  chapterBox_->setValue(1);
  verseBox_->setValue(1);
  chapterBox_->setEnabled(false);
  verseBox_->setEnabled(false);
}

void CNavigationBar::WatchWindow(CChildFrame* window) {
  connect(window, &CChildFrame::placeShown, this, &CNavigationBar::Refresh, Qt::UniqueConnection);
  connect(window, &CChildFrame::bookBoxRequested, this, &CNavigationBar::FocusBookBox, Qt::UniqueConnection);
  connect(window, &CChildFrame::bookBoxTyping, this, &CNavigationBar::TypeIntoBookBox, Qt::UniqueConnection);
  connect(window, &CChildFrame::currentVerseChanged, this, &CNavigationBar::OnCurrentVerseChanged,
          Qt::UniqueConnection);
}

void CNavigationBar::OnCurrentVerseChanged(int verse) {
  if (sender() != nullptr && sender() == activeWindow_()) SetVersePosition(verse + 1);
}

void CNavigationBar::Refresh() {
  CChildFrame* window = activeWindow_();
  if (window == nullptr) {
    DisableAll();
    openButton_->setEnabled(false);
    historyButton_->setEnabled(false);
    return;
  }
  WatchWindow(window);
  const TranslationId id = window->GetTranslation();
  const CTranslationIndex& index = data_.Get(id);

  bookBox_->setEnabled(true);
  if (listed_ != id) {
    listed_ = id;
    QStringList names;
    for (int b = 0; b < BookCount(id); ++b) names << ToQString(BookFullName(id, b));
    bookBox_->SetBookNames(names);
    // The Open button shows the listed translation's icon.
    openButton_->SetIcon(TranslationIcon(id), 20, 20);
  }
  const int book = window->GetCurrentBook();
  bookBox_->SelectBook(book);

  bookSpin_->setEnabled(true);
  chapterBox_->setEnabled(true);
  verseBox_->setEnabled(true);
  SetRangeAndValue(chapterBox_, index.GetChapterCount(book), window->GetCurrentChapter() + 1);
  SetRangeAndValue(verseBox_, index.GetVerseCount(book, chapterBox_->value() - 1), window->GetCurrentVerse() + 1);

  openButton_->setEnabled(true);
  openButton_->update();
  historyButton_->setEnabled(window->GetPlaceHistory().Size() > 1);
}

void CNavigationBar::UpdateChapterRange() {
  const int book = bookBox_->SelectedBook();
  const CTranslationIndex* index = ListedIndex();
  if (book < 0 || index == nullptr) return;
  const int chapters = index->GetChapterCount(book);
  SetRangeAndValue(chapterBox_, chapters, ReadPlaceNumber(FromQString(chapterBox_->text()), chapters));
  UpdateVerseRange();
}

void CNavigationBar::UpdateVerseRange() {
  const int book = bookBox_->SelectedBook();
  const CTranslationIndex* index = ListedIndex();
  if (book < 0 || index == nullptr) return;
  const int verses = index->GetVerseCount(book, chapterBox_->value() - 1);
  SetRangeAndValue(verseBox_, verses, ReadPlaceNumber(FromQString(verseBox_->text()), verses));
}

bool CNavigationBar::ResolveTypedPlace() {
  const CTranslationIndex* index = ListedIndex();
  // A character Windows-1250 lacks is in no book name; converted it would be
  // '?', which ends the name early, so "Mα" would still find a book.
  const QString typed = bookBox_->currentText();
  const std::optional<TypedPlace> place =
      FirstCharOutsideCp1250(typed) ? std::nullopt : ResolveTypedText(index, FromQString(typed));
  if (!place) {
    bookBox_->DropDownSoon();
    return false;
  }
  bookBox_->SelectBook(place->book);
  if (place->chapter >= 0) {
    SetRangeAndValue(chapterBox_, index->GetChapterCount(place->book), place->chapter + 1);
    if (place->verse >= 0)
      SetRangeAndValue(verseBox_, index->GetVerseCount(place->book, place->chapter), place->verse + 1);
  }
  return true;
}

void CNavigationBar::OnOpen() {
  const QPointer<CChildFrame> window = activeWindow_();
  if (window == nullptr) return;
  if (bookBox_->SelectedBook() < 0 && !ResolveTypedPlace()) return;
  UpdateChapterRange();
  UpdateVerseRange();
  const int book = bookBox_->SelectedBook();
  const int chapter = chapterBox_->value();
  const int verse = verseBox_->value();
  window->ShowPlace(book, chapter - 1, verse - 1);
  Refresh();
  if (window) window->setFocus(Qt::OtherFocusReason);
}

void CNavigationBar::OnStep(StepCommand step) {
  CChildFrame* window = activeWindow_();
  if (window == nullptr) return;
  const VerseRef current{window->GetCurrentBook(), window->GetCurrentChapter(), window->GetCurrentVerse()};
  if (const std::optional<VerseRef> place = StepPlace(data_.Get(window->GetTranslation()), step, current))
    window->ShowPlace(place->book, place->chapter, place->verse);
  Refresh();
}

void CNavigationBar::OnHistory() {
  const QPointer<CChildFrame> window = activeWindow_();
  if (window == nullptr) return;
  const int id = historyButton_->ShowHistoryMenu(window->GetPlaceHistory());
  const std::optional<VerseRef> place = historyButton_->ChosenPlace(id);
  if (!place || !window) return;
  window->ShowPlace(place->book, place->chapter, place->verse);
  UpdateChapterRange();
  UpdateVerseRange();
  Refresh();
  if (window) window->setFocus(Qt::OtherFocusReason);
}

void CNavigationBar::StepBook(int delta) {
  const int selected = bookBox_->SelectedBook();
  const int book = StepBookSelection(selected, bookBox_->count(), delta);
  if (book == selected) return;
  bookBox_->SelectBook(book);
  UpdateChapterRange();
}

void CNavigationBar::FocusBookBox() {
  if (!bookBox_->isEnabled()) return;
  bookBox_->setFocus(Qt::ShortcutFocusReason);
  // Coming by a shortcut, the focus has already selected the text; selecting
  // it again would have screen readers announce the selected book once more.
  QLineEdit* edit = bookBox_->lineEdit();
  if (edit->selectedText() != edit->text()) edit->selectAll();
}

void CNavigationBar::FocusChapterBox() {
  if (!chapterBox_->isEnabled()) return;
  chapterBox_->setFocus(Qt::ShortcutFocusReason);
  chapterBox_->selectAll();
}

void CNavigationBar::FocusVerseBox() {
  if (!verseBox_->isEnabled()) return;
  verseBox_->setFocus(Qt::ShortcutFocusReason);
  verseBox_->selectAll();
}

void CNavigationBar::TypeIntoBookBox(const QString& text) {
  if (!bookBox_->isEnabled()) return;
  FocusBookBox();
  QLineEdit* edit = bookBox_->lineEdit();
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(edit, &press);
}

void CNavigationBar::SetVersePosition(int verse) {
  verseBox_->setValue(std::clamp(verse, verseBox_->minimum(), verseBox_->maximum()));
}

bool CNavigationBar::OnUpdateCommand(int id, CCmdUI& ui) {
  const bool active = activeWindow_() != nullptr;
  switch (id) {
    case ID_OPEN_PLACE: case ID_NEXT_CHAPTER: case ID_PREV_CHAPTER: case ID_NEXT_BOOK: case ID_PREV_BOOK:
    case ID_GOTO_BOOK: case ID_GOTO_CHAPTER: case ID_GOTO_VERSE:
      ui.Enable(active);
      return true;
    default:
      return false;
  }
}

bool CNavigationBar::OnCommand(int id) {
  if (const std::optional<StepCommand> step = StepOf(id)) {
    OnStep(*step);
    return true;
  }
  switch (id) {
    case ID_OPEN_PLACE: OnOpen(); return true;
    case ID_GOTO_BOOK: FocusBookBox(); return true;
    case ID_GOTO_CHAPTER: FocusChapterBox(); return true;
    case ID_GOTO_VERSE: FocusVerseBox(); return true;
    default: return false;
  }
}

bool CNavigationBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsNavigationAccelerator(key)) {
      key->ignore();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == bookBox_->view()) return HandleTabInOpenList(key);
    // Keys reach the focus widget; the book box passes them to its text field.
    const QWidget* focus = QApplication::focusWidget();
    if (watched == focus || (focus == bookBox_ && watched == bookBox_->lineEdit())) return HandleKey(watched, key);
  }
  return QWidget::eventFilter(watched, event);
}

bool CNavigationBar::HandleKey(QObject*, QKeyEvent* key) {
  const bool listOpen = !bookBox_->IsEditTextValid();
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (listOpen) return false;
      if (bookBox_->SelectedBook() < 0 && !ResolveTypedPlace()) return false;
      OnOpen();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (listOpen || bookBox_->SelectedBook() >= 0) return false;
      return !ResolveTypedPlace();  // on failure the focus stays and the list drops down
    default:
      return false;
  }
}

bool CNavigationBar::HandleTabInOpenList(QKeyEvent* key) {
  if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
  const QString text = bookBox_->currentText();
  if (!text.isEmpty()) {
    bookBox_->hidePopup();
    bookBox_->setEditText(text);
  }
  if (ResolveTypedPlace()) {
    bookBox_->hidePopup();
    focusNextPrevChild(key->key() == Qt::Key_Tab);
  }
  return true;
}

}  // namespace skrybon
