// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/translation_windows.h"

#include <QMdiArea>
#include <QMessageBox>

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

void CReadingWindows::ShowMessage(const std::string& cp1250) const {
  const QString text = ToQString(cp1250);
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
  return OpenWindowAt(target, {*book, source.GetCurrentChapter(), source.GetCurrentVerse()});
}

std::vector<CChildFrame*> CReadingWindows::Windows() const {
  std::vector<CChildFrame*> windows;
  for (QMdiSubWindow* sub : area_.subWindowList(QMdiArea::CreationOrder)) {
    if (auto* window = qobject_cast<CChildFrame*>(sub)) windows.push_back(window);
  }
  return windows;
}

void CReadingWindows::RelayoutAll() {
  for (CChildFrame* window : Windows()) window->GetVerseList().Relayout();
}

bool CReadingWindows::OnUpdateCommand(int id, CCmdUI& ui) {
  if (!NewWindowTranslation(id)) return false;
  ui.Enable(true);
  return true;
}

bool CReadingWindows::OnCommand(int id) {
  const auto translation = NewWindowTranslation(id);
  if (!translation) return false;
  OpenTranslationWindow(*translation);
  return true;
}

}  // namespace skrybon
