// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/resource_commands.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "data/scripture_data.h"
#include "ui/alias_editor.h"
#include "ui/command_ids.h"
#include "ui/companion_program.h"
#include "ui/download_dialog.h"
#include "ui/frame_host.h"
#include "ui/import_dialog.h"
#include "ui/qt_text.h"

namespace skrybon {

CResourceCommands::CResourceCommands(CScriptureData& data, CProfile& profile, QWidget* owner, QObject* parent,
                                     std::function<void()> afterImport)
    : QObject(parent), data_(data), profile_(profile), owner_(owner), afterImport_(std::move(afterImport)) {
  setObjectName(QStringLiteral("resourceCommands"));
}

CResourceCommands* CResourceCommands::Install(IFrameHost& frame, std::function<void()> afterImport) {
  auto* commands = new CResourceCommands(frame.Data(), frame.Profile(), &frame, &frame, std::move(afterImport));
  frame.AddCommandTarget(commands);
  return commands;
}

std::optional<TranslationId> CResourceCommands::AliasCommandTranslation(int id) {
  switch (id) {
    case ID_EDIT_ALIASES_BG: return TranslationId::BG;
    case ID_EDIT_ALIASES_BW: return TranslationId::BW;
    case ID_EDIT_ALIASES_BT: return TranslationId::BT;
    default: return std::nullopt;
  }
}

bool CResourceCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  if (id == ID_TARNEL) {
    ui.Enable(CompanionFolder().has_value());
    return true;
  }
  if (id == ID_ADD_TRANSLATION || id == ID_DOWNLOAD_TRANSLATION) {
    ui.Enable(true);
    return true;
  }
  if (const std::optional<TranslationId> translation = AliasCommandTranslation(id)) {
    if (!data_.IsInstalled(*translation)) DisableNotInstalled(ui, *translation);
    return true;
  }
  return false;
}

bool CResourceCommands::OnCommand(int id) {
  if (id == ID_TARNEL) {
    StartCompanionProgram();
    return true;
  }
  if (id == ID_ADD_TRANSLATION) {
    AddTranslation();
    return true;
  }
  if (id == ID_DOWNLOAD_TRANSLATION) {
    DownloadTranslation();
    return true;
  }
  if (const std::optional<TranslationId> translation = AliasCommandTranslation(id)) {
    EditAliases(*translation);
    return true;
  }
  return false;
}

void CResourceCommands::EditAliases(TranslationId id) {
  {
    CAliasEditor editor(id, data_.Folder(id) + "/" + AliasFileName(id), owner_);
    if (!editor.IsReadable()) {
      ShowMessage(editor.ReadError());
      return;  // the table stays as it is: the file was not edited
    }
    if (messageSink_) editor.SetMessageSink(messageSink_);
    if (editorObserver_) editorObserver_(editor);
    editor.exec();
  }
  // Back to the frame, also where no window manager hands the activation back.
  if (owner_ != nullptr) owner_->activateWindow();
  // Whichever way the editor closed, the table follows the file.
  if (const std::optional<std::string> message = data_.Get(id).LoadAliases(data_.Folder(id)))
    ShowMessage(ToQString(data_.WithFolder(id, *message)));
}

std::optional<std::string> CResourceCommands::CompanionFolder() const {
  std::vector<std::string> folders;
  for (const TranslationId id : kAllTranslations)
    if (data_.IsInstalled(id)) folders.push_back(data_.Folder(id));
  folders.insert(folders.end(), data_.LookedIn().begin(), data_.LookedIn().end());
  for (const std::string& folder : folders)
    if (CompanionProgramAvailable(folder)) return folder;
  return std::nullopt;
}

void CResourceCommands::StartCompanionProgram() {
  const std::optional<std::string> folder = CompanionFolder();
  if (!folder) return;
  const QString path = QFileInfo(QString::fromStdString(CompanionProgramPath(*folder))).absoluteFilePath();
  QProcess process;
  process.setProgram(path);
  process.setWorkingDirectory(QFileInfo(path).absolutePath());
  if (!process.startDetached())
    ShowMessage(QStringLiteral("Nie mogę uruchomić programu: '%1'!\n%2").arg(path, process.errorString()));
}

void CResourceCommands::AddTranslation(const QString& swordModule) {
  bool imported = false;
  {
    CImportDialog dialog(data_, owner_);
    dialog.PreferSwordModule(swordModule);
    if (importObserver_) importObserver_(dialog);
    dialog.exec();
    imported = dialog.Imported();
  }
  if (owner_ != nullptr) owner_->activateWindow();
  if (imported && afterImport_) afterImport_();
}

void CResourceCommands::DownloadTranslation() {
  QString module;
  {
    CDownloadDialog dialog(profile_, owner_);
    if (downloadObserver_) downloadObserver_(dialog);
    if (dialog.exec() == QDialog::Accepted) module = dialog.DownloadedModule();
  }
  if (owner_ != nullptr) owner_->activateWindow();
  if (!module.isEmpty()) AddTranslation(module);
}

void CResourceCommands::ShowMessage(const QString& text) {
  if (messageSink_) messageSink_(text);
  else QMessageBox::warning(owner_, QStringLiteral("Skrybon v1.4"), text);
}

}  // namespace skrybon
