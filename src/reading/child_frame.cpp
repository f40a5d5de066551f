// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/child_frame.h"

#include <QFocusEvent>
#include <QKeySequence>
#include <QItemSelectionModel>
#include <QMenu>
#include <cstdlib>

#include "data/codepage.h"
#include "reading/citation.h"
#include "reading/book_mapping.h"
#include "reading/place_title.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

// The system menu closes a sub-window with Ctrl+F4 only: the platform's other
// close key, Ctrl+W, opens a new BW window in this program.
void KeepCtrlWForTheProgram(QMdiSubWindow& window) {
  QMenu* menu = window.systemMenu();
  if (menu == nullptr) return;
  const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
  for (QAction* action : menu->actions()) {
    QList<QKeySequence> keys = action->shortcuts();
    if (keys.removeAll(ctrlW) > 0) action->setShortcuts(keys);
  }
}

std::optional<TranslationId> CompareTarget(int id) {
  switch (id) {
    case ID_COMPARE_BG: return TranslationId::BG;
    case ID_COMPARE_BW: return TranslationId::BW;
    case ID_COMPARE_BT: return TranslationId::BT;
    default: return std::nullopt;
  }
}

}  // namespace

CChildFrame::CChildFrame(CReadingWindows& windows, TranslationId translation, QWidget* parent)
    : QMdiSubWindow(parent), windows_(windows), translation_(translation), list_(new CVerseListBox(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(list_);
  setMinimumWidth(kMinimumWidth);
  setWindowIcon(windows_.Icon(translation_));
  SetTitle(GetTranslationTitle());
  KeepCtrlWForTheProgram(*this);

  list_->SetLookSource([this] { return windows_.Look(); });
  list_->SetToolTipText(ToQString(GetTranslationTitle()));
  connect(list_, &CVerseListBox::verseSelectionChanged, this, &CChildFrame::UpdateSelectionTitle);
  connect(list_, &CVerseListBox::contextMenuWanted, this, &CChildFrame::ShowContextMenu);
  connect(list_, &CVerseListBox::bookBoxRequested, this, &CChildFrame::bookBoxRequested);
  connect(list_, &CVerseListBox::bookBoxTyping, this, &CChildFrame::bookBoxTyping);
  connect(list_, &CVerseListBox::zoomWanted, this, [this](int steps) {
    for (int i = 0; i < std::abs(steps); ++i) windows_.ExecuteCommand(steps > 0 ? ID_VIEW_ZOOM_IN : ID_VIEW_ZOOM_OUT);
  });
}

CChildFrame::~CChildFrame() = default;

const std::string& CChildFrame::GetTranslationTitle() const { return TranslationTitle(translation_); }

void CChildFrame::SetTitle(const std::string& cp1250) { setWindowTitle(ToQString(cp1250)); }

void CChildFrame::ShowPlace(int book, int chapter, int verse) {
  if (book == book_ && chapter == chapter_) {
    verse_ = verse;
    list_->SetTopIndex(verse);
    list_->SelectOnly(verse);
    SetTitle(FormatPlaceTitle(translation_, book, chapter, verse));
    emit placeShown();
    return;
  }

  // Never a book file through an index that has been replaced: the
  // translation is read again first (which also shows this window's place anew).
  if (!windows_.Data().IsCurrent(translation_)) {
    windows_.ReloadChanged();
    if (!windows_.Data().IsInstalled(translation_)) {  // gone: the window is closing
      emit placeShown();
      return;
    }
  }
  std::vector<std::string> lines;
  if (const auto message = windows_.Data().LoadChapterText(translation_, book, chapter, lines)) {
    windows_.ShowMessage(*message);
    emit placeShown();
    return;
  }

  book_ = book;
  chapter_ = chapter;
  verse_ = verse;
  const std::string title = FormatPlaceTitle(translation_, book, chapter, verse);
  SetTitle(title);
  list_->setUpdatesEnabled(false);
  list_->SetVerses(lines);
  MarkFoundWords();
  list_->setUpdatesEnabled(true);
  list_->SetTopIndex(verse);
  list_->SelectOnly(verse);
  // The selection may have retitled the window; the place is what it shows.
  verse_ = verse;
  SetTitle(title);
  history_.AddPlace(HistoryEntryText(title), book, chapter, verse);
  emit placeShown();
}

void CChildFrame::ShowFoundVerse(int i) {
  if (i < 0 || i >= found_.GetCount()) return;
  found_.SetCurrent(i);
  const int book = found_.GetBook(i);
  int chapter = 0;
  int verse = 0;
  windows_.Data().Get(translation_).FindVerseOfEntry(book, static_cast<int>(found_.GetEntry(i)), chapter, verse);
  ShowPlace(book, chapter, verse);
}

bool CChildFrame::ShowPlaceAgain() {
  found_.Clear();
  if (chapter_ < 0) return windows_.Data().IsInstalled(translation_);  // showed no chapter before either
  const CTranslationIndex& index = windows_.Data().Get(translation_);
  const bool placeExists = windows_.Data().IsInstalled(translation_) &&
                           book_ < static_cast<int>(index.Index().size()) && chapter_ < index.GetChapterCount(book_) &&
                           verse_ < index.GetVerseCount(book_, chapter_);
  if (!placeExists) return false;
  std::vector<std::string> lines;
  if (const auto message = windows_.Data().LoadChapterText(translation_, book_, chapter_, lines)) {
    windows_.ShowMessage(*message);
    return false;
  }
  list_->setUpdatesEnabled(false);
  list_->SetVerses(lines);
  list_->setUpdatesEnabled(true);
  const int verse = verse_;
  list_->SetTopIndex(verse);
  list_->SelectOnly(verse);
  verse_ = verse;
  SetTitle(FormatPlaceTitle(translation_, book_, chapter_, verse_));
  emit placeShown();
  return true;
}

std::vector<int> CChildFrame::GetSelectedVerses() const { return list_->GetSelectedItems(kMaxSelectedVerses); }

CitationInput CSelectedVerses::Input() const { return {translation, book, chapter, verses, texts}; }

CSelectedVerses CChildFrame::GetSelection() const {
  CSelectedVerses selection;
  selection.translation = translation_;
  selection.book = book_;
  selection.chapter = chapter_;
  selection.verses = GetSelectedVerses();
  selection.texts = list_->GetVerseTexts();
  return selection;
}

// Asked for three commands at every refresh of the command states: no list of the selected rows is built.
bool CChildFrame::HasSelection() const { return list_->selectionModel()->hasSelection(); }

void CChildFrame::UpdateSelectionTitle() {
  const std::vector<int> verses = GetSelectedVerses();
  if (verses.empty()) return;
  verse_ = verses.front();
  const CitationInput input{translation_, book_, chapter_, verses, {}};
  SetTitle(FormatSelectionTitle(input));
  emit currentVerseChanged(verse_);
}

void CChildFrame::MarkFoundWords() {
  list_->SetFoundRanges(windows_.FoundRanges(translation_, list_->GetVerseTexts()));
}

void CChildFrame::RestoreView(const std::vector<int>& selected, int top) {
  QItemSelection selection;
  for (const int verse : selected) {
    const QModelIndex index = list_->model()->index(verse, 0);
    if (index.isValid()) selection.select(index, index);
  }
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  list_->SetTopIndex(top);
}

void CChildFrame::OpenComparisonWindow(TranslationId target) { windows_.OpenComparisonWindow(*this, target); }

bool CChildFrame::OnUpdateCommand(int id, CCmdUI& ui) {
  if (id == ID_EDIT_SELECT_ALL) {
    ui.Enable(true);
    return true;
  }
  if (const auto target = CompareTarget(id)) {
    // A window whose first chapter failed shows no place (chapter -1): there
    // is nothing to compare, and passing -1 on would open "0:0".
    ui.Enable(chapter_ >= 0 && CanCompareBook(translation_, *target, book_));
    if (!windows_.Data().IsInstalled(*target)) DisableNotInstalled(ui, *target);
    return true;
  }
  // Commands carried out elsewhere: this window only says when they have
  // nothing to act on, and otherwise lets the next target decide.
  switch (id) {
    case ID_EDIT_COPY:
    case ID_SAVE_SELECTED_VERSES:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
      if (HasSelection()) return false;
      ui.Enable(false);
      return true;
    case ID_GOTO_FOUND_LIST:
    case ID_SAVE_FOUND_VERSES:
      if (found_.GetCount() > 0) return false;
      ui.Enable(false);
      return true;
    default:
      return false;
  }
}

bool CChildFrame::OnCommand(int id) {
  CCmdUI ui;
  if (!OnUpdateCommand(id, ui)) return false;
  if (!ui.IsEnabled()) return true;  // disabled here: not carried out by anyone
  if (id == ID_EDIT_SELECT_ALL) {
    list_->selectAll();
    UpdateSelectionTitle();
    return true;
  }
  if (const auto target = CompareTarget(id)) {
    OpenComparisonWindow(*target);
    return true;
  }
  return false;
}

void CChildFrame::focusInEvent(QFocusEvent* event) {
  QMdiSubWindow::focusInEvent(event);
  list_->setFocus(event->reason());
}

void CChildFrame::ShowContextMenu(const QPoint& globalPos) {
  QMenu menu(window());
  auto add = [this](QMenu& to, const char* text, int id) {
    QAction* action = to.addAction(QString::fromUtf8(text));
    CCmdUI ui;
    action->setEnabled(windows_.UpdateCommand(id, ui) && ui.IsEnabled());
    connect(action, &QAction::triggered, this, [this, id] { windows_.ExecuteCommand(id); });
  };
  add(menu, "&Kopiuj/Dołącz", ID_EDIT_COPY);
  add(menu, "&Wyczyść", ID_CLIPBOARD_CLEAR);
  menu.addSeparator();
  add(menu, "&Zaznacz wszystko", ID_EDIT_SELECT_ALL);
  add(menu, "Z&apisz wersety...", ID_SAVE_SELECTED_VERSES);
  add(menu, "Drukuj...", ID_FILE_PRINT);
  menu.addSeparator();
  QMenu* newWindow = menu.addMenu(QString::fromUtf8("&Nowe okno"));
  add(*newWindow, "Biblia &Gdańska", ID_FILE_NEW_BG);
  add(*newWindow, "Biblia &Warszawska", ID_FILE_NEW_BW);
  add(*newWindow, "Biblia &Tysiąclecia", ID_FILE_NEW_BT);
  QMenu* goTo = menu.addMenu(QString::fromUtf8("&Idź do"));
  add(*goTo, "&Księga", ID_GOTO_BOOK);
  add(*goTo, "&Rozdział", ID_GOTO_CHAPTER);
  add(*goTo, "&Werset", ID_GOTO_VERSE);
  menu.addSeparator();
  add(menu, "&Otwórz", ID_OPEN_PLACE);
  menu.addSeparator();
  add(menu, "&Lista wersetów", ID_GOTO_FOUND_LIST);
  QMenu* compare = menu.addMenu(QString::fromUtf8("&Porównaj z ..."));
  add(*compare, "Biblia &Gdańska", ID_COMPARE_BG);
  add(*compare, "Biblia &Warszawska", ID_COMPARE_BW);
  add(*compare, "Biblia &Tysiąclecia", ID_COMPARE_BT);
  menu.addSeparator();
  add(menu, "Znaj&dź...", ID_SEARCH);
  menu.exec(globalPos);
}

}  // namespace skrybon
