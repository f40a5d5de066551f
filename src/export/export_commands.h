// SPDX-License-Identifier: GPL-2.0-or-later
// The clipboard and text-file commands as a frame-level command target, acting
// on the active reading window: copy or append its selected verses
// (ID_EDIT_COPY), clear (ID_CLIPBOARD_CLEAR), switch between copy and append
// mode (ID_CLIPBOARD_MODE), and save to a text file its selected verses
// (ID_SAVE_SELECTED_VERSES), the kept clipboard text (ID_SAVE_CLIPBOARD) or
// its found verses (ID_SAVE_FOUND_VERSES). The kept clipboard text lives here, shared by all
// windows; the desktop clipboard gets it as Unicode text. Files are written
// whole through a temporary beside the target, so a failed save keeps the old
// file, and every failure is reported with the file name and the reason.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "export/kept_clipboard.h"
#include "export/text_file.h"
#include "ui/command_target.h"

class QWidget;

namespace skrybon {

class CChildFrame;
class CReadingWindows;
class CSearchProgressDlg;
class IFrameHost;

// What the save dialog answered: the path as chosen and the file encoding.
struct CChosenFile {
  QString path;
  TextFileEncoding encoding = TextFileEncoding::Cp1250CrLf;
};

class CExportCommands : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  // The save dialog's filters, the default (Windows-1250, CR LF) first.
  static const QString kTextFilter;
  static const QString kUtf8Filter;
  static const QString kAllFilter;

  explicit CExportCommands(CReadingWindows& windows, QObject* parent = nullptr);

  // Creates the commands for the frame's reading windows and registers them with the frame.
  static CExportCommands* Install(IFrameHost& frame, CReadingWindows& windows);

  const CKeptClipboard& Kept() const { return kept_; }

  // Asks for the file to write (defaultName may be empty); nullopt = cancelled.
  // By default the save dialog.
  using FileChooser = std::function<std::optional<CChosenFile>(QWidget* parent, const QString& defaultName)>;
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  // Receives each message to show; by default an application-modal box.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }
  // Receives the report of a copy ("Skopiowano 1 Sam. 20:31 (BG)" or
  // "Dołączono ..."); the frame shows it and screen readers speak it.
  void SetAnnouncer(std::function<void(const QString&)> announcer) { announcer_ = std::move(announcer); }
  // Called after each exported book, after the progress window advanced and
  // before it is asked for a cancel request.
  void SetProgressObserver(std::function<void(CSearchProgressDlg&, int book)> observer) {
    progressObserver_ = std::move(observer);
  }

  void Copy();
  void Clear();
  void SaveSelectedVerses();
  void SaveClipboardText();
  void SaveFoundVerses();

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 private:
  CChildFrame* ActiveWindow() const;
  // False after the failure was reported.
  bool PutOnClipboard(const std::string& cp1250);
  std::optional<CChosenFile> Choose(QWidget* parent, const QString& defaultName);
  std::optional<CChosenFile> ChooseWithDialog(QWidget* parent, const QString& defaultName);
  void Write(const CChosenFile& chosen, const std::string& cp1250, QWidget* over);
  void ShowMessage(const QString& text, QWidget* over) const;

  CReadingWindows& windows_;
  CKeptClipboard kept_;
  QString lastFolder_;  // the folder of the last save dialog, for the next one
  bool exporting_ = false;
  FileChooser chooser_;
  std::function<void(const QString&)> messageSink_;
  std::function<void(const QString&)> announcer_;
  std::function<void(CSearchProgressDlg&, int)> progressObserver_;
};

}  // namespace skrybon
