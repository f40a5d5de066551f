// SPDX-License-Identifier: GPL-2.0-or-later
// The "&Zasoby" commands as a frame-level command target: the alias editing
// commands (ID_EDIT_ALIASES_BG to _BT, disabled while the translation is not
// installed) open a translation's alias file (in the translation's folder) in
// our own editor (CAliasEditor), wait for it to close and then reload that
// translation's alias table from the file, whichever way the editor was
// closed; the companion command "&Tarnel" (ID_TARNEL) is enabled exactly while
// an executable "tarnel" lies in a translation's or data folder and starts it
// there, detached, without
// waiting. A start that fails is reported with the file and the reason.
// "&Dodaj przekład..." (ID_ADD_TRANSLATION) runs the import dialog (CImportDialog) and,
// when it wrote a translation, calls back so the program can load it.
// "&Pobierz przekład..." (ID_DOWNLOAD_TRANSLATION) runs the download dialog (CDownloadDialog)
// and, once a module was installed, the import dialog with that module
// chosen, so the user picks the slot and imports it as above.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "data/translation.h"
#include "ui/command_target.h"

class QWidget;

namespace skrybon {

class CAliasEditor;
class CDownloadDialog;
class CImportDialog;
class CProfile;
class CScriptureData;
class IFrameHost;

class CResourceCommands : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  // owner: the window the editor and the messages belong to (the main frame);
  // profile: where the consent to network access is remembered.
  CResourceCommands(CScriptureData& data, CProfile& profile, QWidget* owner, QObject* parent = nullptr,
                    std::function<void()> afterImport = {});

  // afterImport: called once a translation has been imported.
  static CResourceCommands* Install(IFrameHost& frame, std::function<void()> afterImport = {});

  // Receives each message to show; by default a warning box over the owner.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }
  // Called with the editor just before it runs (tests drive it from here).
  void SetEditorObserver(std::function<void(CAliasEditor&)> observer) { editorObserver_ = std::move(observer); }
  // Called with the import dialog just before it runs.
  void SetImportObserver(std::function<void(CImportDialog&)> observer) { importObserver_ = std::move(observer); }
  // Called with the download dialog just before it runs.
  void SetDownloadObserver(std::function<void(CDownloadDialog&)> observer) { downloadObserver_ = std::move(observer); }

  void EditAliases(TranslationId id);
  void StartCompanionProgram();
  void AddTranslation(const QString& swordModule = {});
  void DownloadTranslation();

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 private:
  static std::optional<TranslationId> AliasCommandTranslation(int id);
  // Where "tarnel" lies: the folders of the installed translations, then
  // the other data folders; nullopt when in none.
  std::optional<std::string> CompanionFolder() const;
  void ShowMessage(const QString& text);

  CScriptureData& data_;
  CProfile& profile_;
  QPointer<QWidget> owner_;
  std::function<void(const QString&)> messageSink_;
  std::function<void(CAliasEditor&)> editorObserver_;
  std::function<void(CImportDialog&)> importObserver_;
  std::function<void(CDownloadDialog&)> downloadObserver_;
  std::function<void()> afterImport_;
};

}  // namespace skrybon
