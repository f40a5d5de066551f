// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/reading_windows.h"

#include <QMdiArea>
#include <QMessageBox>
#include <QStringList>
#include <QScreen>
#include <algorithm>

#include "reading/book_mapping.h"
#include "reading/child_frame.h"
#include "reading/window_cascade.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

std::optional<TranslationId> NewWindowTranslation(int id) {
  switch (id) {
    case ID_FILE_NEW_BG: return TranslationId::BG;
    case ID_FILE_NEW_BW: return TranslationId::BW;
    case ID_FILE_NEW_BT: return TranslationId::BT;
    default: return std::nullopt;
  }
}

}  // namespace

CReadingWindows::CReadingWindows(QMdiArea& area, const CScriptureData& data, QObject* parent)
    : QObject(parent), area_(area), data_(data) {}

void CReadingWindows::SetCommandRouter(std::function<bool(int)> execute, std::function<bool(int, CCmdUI&)> update) {
  execute_ = std::move(execute);
  update_ = std::move(update);
}

CVerseListLook CReadingWindows::Look() const {
  if (lookSource_) return lookSource_();
  CVerseListLook look;
  look.font = area_.font();
  return look;
}

QIcon CReadingWindows::Icon(TranslationId id) const { return iconSource_ ? iconSource_(id) : QIcon(); }

void CReadingWindows::ShowMessage(const std::string& cp1250) const { ShowMessage(ToQString(cp1250)); }

void CReadingWindows::ShowMessage(const QString& text) const {
  if (messageSink_) {
    messageSink_(text);
  } else {
    QMessageBox::warning(area_.window(), QStringLiteral("Skrybon v1.4"), text);
  }
}

bool CReadingWindows::UpdateCommand(int id, CCmdUI& ui) {
  if (update_) return update_(id, ui);
  if (auto* active = qobject_cast<CChildFrame*>(area_.activeSubWindow())) {
    if (active->OnUpdateCommand(id, ui)) return true;
  }
  return OnUpdateCommand(id, ui);
}

bool CReadingWindows::ExecuteCommand(int id) {
  if (execute_) return execute_(id);
  CCmdUI ui;
  if (!UpdateCommand(id, ui) || !ui.IsEnabled()) return false;
  if (auto* active = qobject_cast<CChildFrame*>(area_.activeSubWindow())) {
    if (active->OnCommand(id)) return true;
  }
  return OnCommand(id);
}

CChildFrame* CReadingWindows::OpenWindowAt(TranslationId id, VerseRef place) {
  auto* window = new CChildFrame(*this, id);
  const int position = static_cast<int>(area_.subWindowList().size());
  area_.addSubWindow(window);
  const QSize areaSize = area_.viewport()->size();
  const CascadeRect r = CascadePlace(position, areaSize.width(), areaSize.height(), CChildFrame::kMinimumWidth,
                                     CChildFrame::kMinimumHeight);
  window->setGeometry(r.x, r.y, r.width, r.height);
  emit windowOpened(window);
  window->show();
  area_.setActiveSubWindow(window);
  window->ShowPlace(place.book, place.chapter, place.verse);
  return window;
}

CChildFrame* CReadingWindows::OpenTranslationWindow(TranslationId id) { return OpenWindowAt(id, {0, 0, 0}); }

CChildFrame* CReadingWindows::OpenComparisonWindow(const CChildFrame& source, TranslationId target) {
  const auto book = MapBook(source.GetTranslation(), target, source.GetCurrentBook());
  if (!book || source.GetCurrentChapter() < 0) return nullptr;  // the source shows no chapter
  CChildFrame* window = OpenWindowAt(target, {*book, source.GetCurrentChapter(), source.GetCurrentVerse()});
  window->SetComparison(true);
  return window;
}

std::vector<CChildFrame*> CReadingWindows::Windows() const {
  std::vector<CChildFrame*> windows;
  for (QMdiSubWindow* sub : area_.subWindowList(QMdiArea::CreationOrder)) {
    if (auto* window = qobject_cast<CChildFrame*>(sub)) windows.push_back(window);
  }
  return windows;
}

CLastSession CReadingWindows::Session() const {
  CLastSession session;
  const QMdiSubWindow* active = area_.currentSubWindow();
  for (CChildFrame* window : Windows()) {
    if (window->GetCurrentChapter() < 0) continue;  // its first chapter failed: nothing to show again
    if (window == active) session.active = static_cast<int>(session.windows.size());
    CSessionWindow w;
    w.translation = window->GetTranslation();
    w.comparison = window->IsComparison();
    w.place = window->GetCurrentPlace();
    w.top = std::max(0, window->GetVerseList().GetTopIndex());
    const QRect r = window->geometry();
    w.geometry = {r.x(), r.y(), r.width(), r.height()};
    w.show = window->isMinimized()   ? CSessionShow::Minimized
             : window->isMaximized() ? CSessionShow::Maximized
                                     : CSessionShow::Normal;
    w.selected = window->GetVerseList().GetSelectedItems(static_cast<std::size_t>(window->GetVerseList().GetCount()));
    session.windows.push_back(std::move(w));
  }
  return session;
}

void CReadingWindows::RestoreSession(const CLastSession& session) {
  CChildFrame* active = nullptr;
  // Held to the screen rather than to the area, which may not have its final
  // size yet while the frame is being shown.
  const QScreen* screen = area_.screen();
  const QSize areaSize = screen != nullptr ? screen->availableGeometry().size() : area_.viewport()->size();
  for (std::size_t i = 0; i < session.windows.size(); ++i) {
    const CSessionWindow& stored = session.windows[i];
    const auto w = HoldSessionWindow(stored, data_.Get(stored.translation), areaSize.width(), areaSize.height(),
                                     CChildFrame::kMinimumWidth, CChildFrame::kMinimumHeight);
    std::vector<std::string> lines;
    if (!w || data_.LoadChapterText(w->translation, w->place.book, w->place.chapter, lines)) continue;
    CChildFrame* window = OpenWindowAt(w->translation, w->place);
    window->SetComparison(w->comparison);
    window->setGeometry(w->geometry.x, w->geometry.y, w->geometry.width, w->geometry.height);
    window->RestoreView(w->selected, w->top);
    if (w->show == CSessionShow::Maximized) window->showMaximized();
    if (w->show == CSessionShow::Minimized) window->showMinimized();
    if (static_cast<int>(i) == session.active) active = window;
  }
  if (active != nullptr) area_.setActiveSubWindow(active);
}

void CReadingWindows::RelayoutAll() {
  for (CChildFrame* window : Windows()) window->GetVerseList().Relayout();
}

void CReadingWindows::ReloadChanged() {
  if (reloadHook_) reloadHook_();
}

void CReadingWindows::ShowReloadedTranslation(TranslationId id) {
  QStringList closed;
  bool cleared = false;
  for (CChildFrame* window : Windows()) {
    if (window->GetTranslation() != id) continue;
    cleared = cleared || window->GetFoundVerseList().GetCount() > 0;
    const QString title = window->windowTitle();
    if (!window->ShowPlaceAgain()) {
      closed << title;
      window->close();
    }
  }
  if (closed.isEmpty() && !cleared) return;
  const QString translation = ToQString(TranslationTitle(id));
  QString text;
  if (!data_.IsInstalled(id)) {
    text = QStringLiteral("Przekład %1 nie jest już dostępny w folderze %2.").arg(translation, ToQString(data_.Folder(id)));
  } else {
    text = QStringLiteral("Pliki przekładu %1 w folderze %2 zmieniły się; przekład wczytano ponownie.")
               .arg(translation, ToQString(data_.Folder(id)));
  }
  if (!closed.isEmpty()) {
    text += QStringLiteral("\nZamknięto okna, których miejsca już w nim nie ma: %1.").arg(closed.join(QStringLiteral(", ")));
  }
  if (cleared) text += QStringLiteral("\nListę znalezionych wersetów wyczyszczono: aby ją odtworzyć, szukaj ponownie.");
  ShowMessage(text);
}

void CReadingWindows::SetFoundWords(TranslationId translation, FoundWordMarker marker) {
  foundTranslation_ = translation;
  foundWords_ = std::move(marker);
  for (CChildFrame* window : Windows()) window->MarkFoundWords();
}

std::vector<std::vector<CTextRange>> CReadingWindows::FoundRanges(TranslationId id,
                                                                  const std::vector<std::string>& verses) const {
  std::vector<std::vector<CTextRange>> ranges;
  if (!foundWords_ || foundTranslation_ != id) return ranges;
  ranges.reserve(verses.size());
  for (const std::string& verse : verses) ranges.push_back(foundWords_(verse));
  return ranges;
}

bool CReadingWindows::OnUpdateCommand(int id, CCmdUI& ui) {
  const auto translation = NewWindowTranslation(id);
  if (!translation) return false;
  if (!data_.IsInstalled(*translation)) DisableNotInstalled(ui, *translation);
  return true;
}

bool CReadingWindows::OnCommand(int id) {
  const auto translation = NewWindowTranslation(id);
  if (!translation) return false;
  OpenTranslationWindow(*translation);
  return true;
}

}  // namespace skrybon
