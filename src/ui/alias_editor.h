// SPDX-License-Identifier: GPL-2.0-or-later
// The editor of one translation's alias file ("Edycja aliasów – Biblia
// Gdańska"): a modal window with the file as plain text, "Zapisz" and
// "Anuluj". Saving writes Windows-1250 with the file's own line ends through
// a temporary file renamed over the old one; a character the code page cannot
// hold, or a write that fails, is reported and the window stays open with
// nothing written. A missing file opens an empty editor whose save creates it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "data/alias_file_text.h"
#include "data/translation.h"

class QPlainTextEdit;
class QPushButton;

namespace skrybon {

class CAliasEditor : public QDialog {
  Q_OBJECT

 public:
  // path: the alias file; its current contents are read at once.
  CAliasEditor(TranslationId id, std::string path, QWidget* parent = nullptr);

  // False when the file exists but could not be read (ReadError says why);
  // such an editor must not be shown, since saving would replace the file.
  bool IsReadable() const { return readError_.isEmpty(); }
  const QString& ReadError() const { return readError_; }

  // Receives each message to show; by default a warning box over the editor.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }

  QPlainTextEdit* Editor() const { return editor_; }
  // Saves; closes the window with Accepted when the file was written.
  bool Save();

 private:
  void ShowMessage(const QString& text);

  std::string path_;
  CLineEnd lineEnd_ = CLineEnd::CrLf;
  QString readError_;
  QPlainTextEdit* editor_ = nullptr;
  std::function<void(const QString&)> messageSink_;
};

}  // namespace skrybon
