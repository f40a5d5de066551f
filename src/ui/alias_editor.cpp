// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/alias_editor.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>
#include <variant>
#include <vector>

#include "data/whole_file.h"
#include "data/atomic_file.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

// Why an existing file could not be read, for the message.
QString ReadFailureReason(const FileReadResult& read) {
  switch (read.failure) {
    case FileReadFailure::NotRegularFile:
      return QStringLiteral("To nie jest zwykły plik.");
    case FileReadFailure::TooLarge:
      return QStringLiteral("Plik jest za duży.");
    default:
      return QString::fromLocal8Bit(std::strerror(read.systemError));
  }
}

}  // namespace

CAliasEditor::CAliasEditor(TranslationId id, std::string path, QWidget* parent)
    : QDialog(parent), path_(std::move(path)) {
  setObjectName(QStringLiteral("aliasEditor"));
  setWindowTitle(QStringLiteral("Edycja aliasów – %1").arg(ToQString(TranslationTitle(id))));
  setModal(true);
  const QString fileName = QFileInfo(QString::fromStdString(path_)).fileName();
  // Each translation has its own folder: every message names it.
  const QString inFolder =
      QStringLiteral("\nFolder przekładu: %1").arg(QFileInfo(QString::fromStdString(path_)).absolutePath());

  std::vector<std::uint8_t> bytes;
  // A missing file opens an empty editor whose save creates it.
  if (const FileReadResult read = ReadWholeFile(path_, bytes); !read && !read.Missing()) {
    readError_ = QStringLiteral("Nie mogę odczytać pliku: '%1'!\n%2").arg(fileName, ReadFailureReason(read)) + inFolder;
  }
  const CEditableAliasText text =
      AliasFileToEditable(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  lineEnd_ = text.lineEnd;

  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName(QStringLiteral("aliasText"));
  editor_->setAccessibleName(fileName);
  editor_->setToolTip(QString::fromStdString(path_));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  editor_->setPlainText(QString::fromStdString(text.utf8));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(QStringLiteral("Zapisz"), QDialogButtonBox::AcceptRole);
  save->setObjectName(QStringLiteral("saveButton"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  // Enter belongs to the text: no button is the default.
  save->setAutoDefault(false);
  cancel->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &CAliasEditor::Save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(editor_, 1);
  layout->addWidget(buttons);
  resize(560, 460);
}

bool CAliasEditor::Save() {
  const auto bytes = EditableToAliasFile(editor_->toPlainText().toStdString(), lineEnd_);
  if (const auto* bad = std::get_if<CUnsavableCharacter>(&bytes)) {
    ShowMessage(CharacterOutsideCp1250Message(QStringLiteral("Wiersz %1").arg(bad->line), bad->character));
    return false;
  }
  const std::string& data = std::get<std::string>(bytes);
  const FileWriteResult written = WriteFileAtomically(
      path_, std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
  if (!written) {
    const QFileInfo file(QString::fromStdString(path_));
    ShowMessage(QStringLiteral("Nie mogę zapisać pliku: '%1'!\n%2\nFolder przekładu: %3")
                    .arg(file.fileName(), QString::fromStdString(written.error), file.absolutePath()));
    return false;
  }
  accept();
  return true;
}

void CAliasEditor::ShowMessage(const QString& text) {
  if (messageSink_) messageSink_(text);
  else QMessageBox::warning(this, QStringLiteral("Skrybon v1.4"), text);
}

}  // namespace skrybon
