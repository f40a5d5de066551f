// SPDX-License-Identifier: GPL-2.0-or-later
// Opening reading windows: a new window of a translation at the beginning of
// the Bible (commands ID_FILE_NEW_BG to _BT, handled here as a frame-level command
// target) and comparison windows that show another window's place in a
// chosen translation. Also the services every reading window takes from the
// program around it: the loaded translations, the display look, messages,
// icons and command routing, each replaceable (tests replace the messages).
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/scripture_data.h"
#include "data/translation.h"
#include "reading/last_session.h"
#include "reading/text_range.h"
#include "reading/verse_list_box.h"
#include "ui/command_target.h"

class QMdiArea;

namespace skrybon {

class CChildFrame;
class IFrameHost;

class CReadingWindows : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  CReadingWindows(QMdiArea& area, const CScriptureData& data, QObject* parent = nullptr);

  // Creates the reading windows' opener for the main frame, wires it to the
  // frame's display settings, messages, icons and command routing, and
  // registers it as a frame-level command target.
  static CReadingWindows* Install(IFrameHost& frame);

  void SetLookSource(std::function<CVerseListLook()> source) { lookSource_ = std::move(source); }
  // Receives each message to show (Unicode); by default a message box.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }
  void SetIconSource(std::function<QIcon(TranslationId)> source) { iconSource_ = std::move(source); }
  // How the windows' context menus run and enable commands; by default the
  // active reading window and then this object are asked.
  void SetCommandRouter(std::function<bool(int)> execute, std::function<bool(int, CCmdUI&)> update);
  // What reads the changed translations again (the main frame's reload,
  // which then calls ShowReloadedTranslation); by default nothing.
  void SetReloadHook(std::function<void()> hook) { reloadHook_ = std::move(hook); }

  QMdiArea& Area() const { return area_; }
  const CScriptureData& Data() const { return data_; }
  CVerseListLook Look() const;
  QIcon Icon(TranslationId id) const;
  void ShowMessage(const std::string& cp1250) const;
  void ShowMessage(const QString& text) const;
  // Called before a book file is read when the translation's index changed:
  // reads the changed translations again (see SetReloadHook).
  void ReloadChanged();
  bool ExecuteCommand(int id);
  bool UpdateCommand(int id, CCmdUI& ui);

  // A new window of the translation at the first verse of book 0; it becomes
  // the active window.
  CChildFrame* OpenTranslationWindow(TranslationId id);
  // A new window of `target` at the source's place, the book mapped between
  // the canons; null when the book has no counterpart in `target` or the
  // source shows no chapter (its first one failed to load).
  CChildFrame* OpenComparisonWindow(const CChildFrame& source, TranslationId target);
  // A new active window of the translation showing the place.
  CChildFrame* OpenWindowAt(TranslationId id, VerseRef place);

  // The open reading windows, in creation order.
  std::vector<CChildFrame*> Windows() const;
  // The open windows as the next start should open them again.
  CLastSession Session() const;
  // Opens the windows of a last session over the present ones, the stored
  // active one last. A window of a translation without index or whose chapter
  // cannot be read is left out without a message; absurd values are held to
  // the books and the screen.
  void RestoreSession(const CLastSession& session);

  // Re-measures and repaints every verse list (font or colours changed).
  void RelayoutAll();
  // After a translation was read again: its windows show the new text at the
  // same place, or close where that place is gone (or the translation with
  // it); their found-verse lists are emptied. One message says what happened.
  void ShowReloadedTranslation(TranslationId id);

  // Where the words of a search stand in a verse (Windows-1250, as stored).
  using FoundWordMarker = std::function<std::vector<CTextRange>(std::string_view verse)>;
  // The words of the last search, which every window of its translation
  // marks until the next call; an empty marker marks none.
  void SetFoundWords(TranslationId translation, FoundWordMarker marker);
  // The found words in each of the verses for a window of `id`.
  std::vector<std::vector<CTextRange>> FoundRanges(TranslationId id, const std::vector<std::string>& verses) const;

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 signals:
  // A reading window was created (before its first place is shown).
  void windowOpened(CChildFrame* window);

 private:
  QMdiArea& area_;
  const CScriptureData& data_;
  std::function<CVerseListLook()> lookSource_;
  std::function<void(const QString&)> messageSink_;
  std::function<QIcon(TranslationId)> iconSource_;
  std::function<bool(int)> execute_;
  std::function<bool(int, CCmdUI&)> update_;
  std::function<void()> reloadHook_;
  TranslationId foundTranslation_ = TranslationId::BG;
  FoundWordMarker foundWords_;
};

}  // namespace skrybon
