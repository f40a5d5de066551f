// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_commands.h"

#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>

#include "data/translation.h"
#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "search/found_verses_bar.h"
#include "search/found_verses_text.h"
#include "search/found_word_ranges.h"
#include "search/search_dialog.h"
#include "search/search_engine.h"
#include "search/search_progress_dlg.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"
#include "ui/screen_reader_notice.h"

namespace skrybon {

CSearchCommands::CSearchCommands(CReadingWindows& windows, CFoundVersesBar& bar, QWidget* progressOwner,
                                 QObject* parent)
    : QObject(parent),
      windows_(windows),
      bar_(bar),
      progressOwner_(progressOwner),
      dialog_(new CSearchDialog(progressOwner)) {}

CSearchCommands::~CSearchCommands() {
  // The dialog belongs to the owner window when there is one.
  if (dialog_ != nullptr && dialog_->parent() == nullptr) delete dialog_.data();
}

CSearchDialog& CSearchCommands::Dialog() { return *dialog_; }

CChildFrame* CSearchCommands::ActiveWindow() const {
  return qobject_cast<CChildFrame*>(windows_.Area().currentSubWindow());
}

void CSearchCommands::ShowMessage(const QString& text, QWidget* over) const {
  if (messageSink_) {
    messageSink_(text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Skrybon v1.4"), text, QMessageBox::Ok, over);
  box.exec();
}

bool CSearchCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  if (id != ID_SEARCH) return false;
  const bool anyInstalled = windows_.Data().AnyInstalled();
  ui.Enable(!running_ && anyInstalled);
  if (!anyInstalled) ui.SetPrompt("Nie zainstalowano żadnego przekładu. Dodaj go: Zasoby › Dodaj przekład...");
  return true;
}

bool CSearchCommands::OnCommand(int id) {
  if (id != ID_SEARCH) return false;
  OnFind();
  return true;
}

void CSearchCommands::OnFind() {
  if (running_) return;
  running_ = true;
  struct Finish {
    bool& running;
    ~Finish() { running = false; }
  } finish{running_};

  CChildFrame* active = ActiveWindow();
  const std::optional<TranslationId> activeTranslation =
      active != nullptr ? std::optional(active->GetTranslation()) : std::nullopt;
  const CScriptureData& data = windows_.Data();
  std::array<bool, 3> installed{};
  for (const TranslationId t : kAllTranslations) installed[static_cast<std::size_t>(t) - 1] = data.IsInstalled(t);
  if (!dialog_->Run(activeTranslation, installed)) return;
  const SearchRequest request = dialog_->Request();
  const TranslationId id = request.GetTranslationId();
  // The books are read through the index as it is now; should the
  // translation be read again meanwhile, the search stops (see below).
  if (!data.IsCurrent(id)) windows_.ReloadChanged();
  if (!data.IsInstalled(id)) return;
  const int generation = data.Generation(id);
  const auto unchanged = [&data, id, generation] { return data.Generation(id) == generation && data.IsCurrent(id); };
  bool changed = false;

  // From here until the progress window is destroyed (also by its destructor
  // when something throws) the main frame is disabled.
  CSearchProgressDlg progress;
  progress.Open(progressOwner_);

  QPointer<CChildFrame> target = request.target == TargetWindow::CurrentWindow ? ActiveWindow() : nullptr;
  if (target == nullptr) target = windows_.OpenTranslationWindow(id);
  if (target == nullptr) return;
  // A minimised or maximised window is shown restored.
  target->showNormal();
  target->GetFoundVerseList().Clear();
  progress.SetRange(0, BookCount(id));

  CTranslationSearch search(request, data.Get(id), data.Folder(id), data.BookFolder());
  // The verses are collected apart and handed to the window at the end, so
  // that nothing is written into a window that went away meanwhile.
  CFoundVerseList found;
  const SearchOutcome outcome = RunSearch(
      search, found, [&](const std::string& message) { ShowMessage(ToQString(message), &progress); },
      [&](int book) {
        if (target == nullptr) return false;
        progress.Advance();
        progress.ShowStatus(BookFullName(search.Translation(), book));
        if (progressObserver_) progressObserver_(progress, book);
        // Last: the events let through above may have read the translation again.
        changed = !unchanged();
        return !progress.TakeCancelRequest() && target != nullptr && !changed;
      });

  if (target != nullptr) {
    CFoundVerseList& list = target->GetFoundVerseList();
    if (outcome == SearchOutcome::Completed) {
      const int current = list.GetCurrent();
      list = std::move(found);
      list.SetCurrent(current);
      if (list.GetCount() > 0) target->ShowFoundVerse(0);
    } else {
      list.Clear();
    }
  }
  // The found words stand out in the translation's windows until the next search.
  CReadingWindows::FoundWordMarker marker;
  if (target != nullptr && outcome == SearchOutcome::Completed)
    marker = [request](std::string_view verse) { return FoundWordRanges(verse, request); };
  windows_.SetFoundWords(id, std::move(marker));
  bar_.Refresh();
  progress.DestroyWindow();
  if (changed) {
    ShowMessage(QStringLiteral("Pliki przekładu %1 zmieniły się w czasie szukania; szukanie przerwano. Szukaj ponownie.")
                    .arg(ToQString(TranslationTitle(id))),
                progressOwner_);
    windows_.ReloadChanged();
    return;
  }
  if (target == nullptr) return;
  // A window opened while the frame was disabled did not become the active
  // one; now that the frame is enabled it does, and the bars follow it.
  if (windows_.Area().activeSubWindow() != target) windows_.Area().setActiveSubWindow(target);
  // Screen readers hear the result once they have taken the flood of events
  // that disabling and enabling the frame sent (Orca drops notifications
  // that come while it is flooded). A notification cuts short what is being
  // read, here the found verse, so it reads that verse again.
  const CFoundVerseList& delivered = target->GetFoundVerseList();
  QString result = ToQString(FoundVersesMessage(delivered));
  if (delivered.GetCount() > 0) {
    result += QStringLiteral(". %1: %2").arg(ToQString(delivered.GetLabel(delivered.GetCurrent())),
                                            ToQString(target->GetVerseList().GetVerseText(target->GetCurrentVerse())));
  }
  QTimer::singleShot(kResultNoticeDelayMs, bar_.Notice(), [notice = bar_.Notice(), result] { notice->Announce(result); });
}

}  // namespace skrybon
