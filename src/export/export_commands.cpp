// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/export_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <memory>
#include <new>

#include "data/atomic_file.h"
#include "data/scripture_data.h"
#include "reading/citation.h"
#include "export/found_verses_export.h"
#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "search/found_verses_text.h"
#include "search/search_progress_dlg.h"
#include "ui/command_ids.h"
#include "ui/frame_host.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

const QString CExportCommands::kTextFilter = QStringLiteral("Text Files (*.txt)");
const QString CExportCommands::kUtf8Filter = QStringLiteral("UTF-8 Text Files, LF (*.txt)");
const QString CExportCommands::kAllFilter = QStringLiteral("All Files (*)");

CExportCommands::CExportCommands(CReadingWindows& windows, QObject* parent) : QObject(parent), windows_(windows) {}

CExportCommands* CExportCommands::Install(IFrameHost& frame, CReadingWindows& windows) {
  auto* commands = new CExportCommands(windows, &frame);
  commands->SetAnnouncer([&frame](const QString& text) { frame.Announce(text); });
  frame.AddCommandTarget(commands);
  return commands;
}

CChildFrame* CExportCommands::ActiveWindow() const {
  return qobject_cast<CChildFrame*>(windows_.Area().currentSubWindow());
}

bool CExportCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  // The reading window itself disables the selection and found-list commands
  // while it has nothing for them; here they need a window at all.
  const CChildFrame* window = ActiveWindow();
  switch (id) {
    case ID_EDIT_COPY:
    case ID_CLIPBOARD_CLEAR:
    case ID_SAVE_SELECTED_VERSES: ui.Enable(window != nullptr); return true;
    case ID_SAVE_CLIPBOARD: ui.Enable(window != nullptr && !kept_.Text().empty()); return true;
    case ID_SAVE_FOUND_VERSES:
      ui.Enable(!exporting_ && window != nullptr && window->GetFoundVerseList().GetCount() > 0);
      return true;
    case ID_CLIPBOARD_MODE:
      ui.SetCheck(kept_.AppendMode());
      ui.SetText(kept_.ModeMenuText());
      return true;
    default: return false;
  }
}

bool CExportCommands::OnCommand(int id) {
  switch (id) {
    case ID_EDIT_COPY: Copy(); return true;
    case ID_CLIPBOARD_CLEAR: Clear(); return true;
    case ID_CLIPBOARD_MODE: kept_.ToggleMode(); return true;
    case ID_SAVE_SELECTED_VERSES: SaveSelectedVerses(); return true;
    case ID_SAVE_CLIPBOARD: SaveClipboardText(); return true;
    case ID_SAVE_FOUND_VERSES: SaveFoundVerses(); return true;
    default: return false;
  }
}

// --- Clipboard -----------------------------------------------------------------

void CExportCommands::Copy() {
  const CChildFrame* window = ActiveWindow();
  if (window == nullptr) return;
  const CSelectedVerses selection = window->GetSelection();
  if (selection.verses.empty()) return;
  // The kept text takes the citation first and keeps it even when the
  // desktop clipboard then refuses it.
  const CitationInput input = selection.Input();
  if (!PutOnClipboard(kept_.Take(FormatSelectionText(input)))) return;
  if (!announcer_) return;
  const std::string reference = FormatSelectionReference(input) + ' ' + std::string(TranslationSuffix(input.translation));
  announcer_((kept_.AppendMode() ? U("Dołączono ") : U("Skopiowano ")) + ToQString(reference));
}

bool CExportCommands::PutOnClipboard(const std::string& cp1250) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QString text;
  try {
    text = ToQString(cp1250);
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    clipboard->setMimeData(data.release());
  } catch (const std::bad_alloc&) {
    ShowMessage(U("Brak pamięci dla schowka."), nullptr);
    return false;
  }
  // Qt reports no failure of its own: a clipboard that did not take the text
  // (another program holds it, no display) answers with something else.
  if (clipboard->text() == text) return true;
  ShowMessage(U("Otwarcie schowka nie powiodło się."), nullptr);
  return false;
}

void CExportCommands::Clear() {
  kept_.Clear();
  QGuiApplication::clipboard()->clear();
}

// --- Files -----------------------------------------------------------------------

std::optional<CChosenFile> CExportCommands::Choose(QWidget* parent, const QString& defaultName) {
  return chooser_ ? chooser_(parent, defaultName) : ChooseWithDialog(parent, defaultName);
}

std::optional<CChosenFile> CExportCommands::ChooseWithDialog(QWidget* parent, const QString& defaultName) {
  QFileDialog dialog(parent, U("Zapisz jako"), lastFolder_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({kTextFilter, kUtf8Filter, kAllFilter});
  // A name without an extension is written with ".txt"; the dialog adds it
  // too, so that it asks before overwriting the file that is really written.
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (!defaultName.isEmpty()) dialog.selectFile(defaultName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().constFirst();
  lastFolder_ = QFileInfo(path).absolutePath();
  const TextFileEncoding encoding =
      dialog.selectedNameFilter() == kUtf8Filter ? TextFileEncoding::Utf8Lf : TextFileEncoding::Cp1250CrLf;
  return CChosenFile{path, encoding};
}

void CExportCommands::Write(const CChosenFile& chosen, const std::string& cp1250, QWidget* over) {
  const QString path = QString::fromStdString(SavedFileName(chosen.path.toStdString()));
  const FileWriteResult written =
      WriteFileAtomically(QFile::encodeName(path).toStdString(), EncodeTextFile(cp1250, chosen.encoding));
  if (written) return;
  ShowMessage(ToQString(CannotCreateFileMessage(FromQString(QFileInfo(path).fileName()))) + QLatin1Char('\n') +
                  QString::fromLocal8Bit(written.error),
              over);
}

void CExportCommands::SaveSelectedVerses() {
  QPointer<CChildFrame> window = ActiveWindow();
  if (window == nullptr) return;
  const std::optional<CChosenFile> chosen = Choose(window, {});
  if (!chosen || window == nullptr) return;
  const CSelectedVerses selection = window->GetSelection();
  if (selection.verses.empty()) return;
  Write(*chosen, FormatSelectionText(selection.Input()), window);
}

void CExportCommands::SaveClipboardText() {
  QPointer<CChildFrame> window = ActiveWindow();
  if (window == nullptr) return;
  const std::optional<CChosenFile> chosen = Choose(window, {});
  if (!chosen) return;
  Write(*chosen, kept_.Text(), window);
}

void CExportCommands::SaveFoundVerses() {
  if (exporting_) return;
  QPointer<CChildFrame> window = ActiveWindow();
  if (window == nullptr || window->GetFoundVerseList().GetCount() == 0) return;
  // The export works on a copy: the window may go while events are let through.
  const CFoundVerseList list = window->GetFoundVerseList();
  const TranslationId id = window->GetTranslation();
  const std::optional<CChosenFile> chosen = Choose(window, ToQString(FoundVersesDefaultFileName(list, id)));
  if (!chosen || window == nullptr) return;
  // The list names entries of the index it was found in: never of new book files.
  const CScriptureData& data = windows_.Data();
  if (!data.IsCurrent(id)) {
    windows_.ReloadChanged();
    return;
  }
  const int generation = data.Generation(id);

  exporting_ = true;
  struct Finish {
    bool& exporting;
    ~Finish() { exporting = false; }
  } finish{exporting_};
  std::string text;
  {
    // The main frame stays disabled until the progress window is destroyed,
    // by DestroyWindow or, should anything throw, by its destructor.
    CSearchProgressDlg progress(U("Zapis wersetów do pliku..."));
    progress.Open(window);
    progress.SetRange(0, BookCount(id));
    text = ExportFoundVerses(
        list, id, data.Folder(id), data.BookFolder(),
        [&](const std::string& message) { ShowMessage(ToQString(message), &progress); },
        [&](int book) {
          progress.Advance();
          progress.ShowStatus(BookFullName(id, book));
          if (progressObserver_) progressObserver_(progress, book);
          return !progress.TakeCancelRequest() && data.Generation(id) == generation && data.IsCurrent(id);
        });
    progress.DestroyWindow();
  }
  if (data.Generation(id) != generation || !data.IsCurrent(id)) {
    ShowMessage(U("Pliki przekładu zmieniły się w czasie zapisu; nie zapisano listy. Szukaj ponownie."), window);
    windows_.ReloadChanged();
    return;
  }
  Write(*chosen, text, window);
}

void CExportCommands::ShowMessage(const QString& text, QWidget* over) const {
  if (messageSink_) {
    messageSink_(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Skrybon v1.4"), text, QMessageBox::Ok, over);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace skrybon
