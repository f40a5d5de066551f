// SPDX-License-Identifier: GPL-2.0-or-later
// The search command "Znajdź..." (ID_SEARCH) as a frame-level command target. It
// owns the search dialog for the whole run (so the dialog keeps its values),
// runs it, opens the progress window over the main frame, takes a new reading
// window of the chosen translation or the active one, searches every book
// file of the translation with one progress step per book ("Przerwij" is
// honoured after the book in hand), delivers the found verses to the window,
// shows the first of them and refreshes the found-verses bar; a moment later
// screen readers hear the result and the found verse. The progress window is
// closed and the frame enabled again on every path.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "ui/command_target.h"

class QWidget;

namespace skrybon {

class CChildFrame;
class CFoundVersesBar;
class CReadingWindows;
class CSearchDialog;
class CSearchProgressDlg;
class IFrameHost;

class CSearchCommands : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  // How long after a search its result is announced to screen readers.
  static constexpr int kResultNoticeDelayMs = 1500;

  // progressOwner: the window the progress window disables (the main frame).
  CSearchCommands(CReadingWindows& windows, CFoundVersesBar& bar, QWidget* progressOwner, QObject* parent = nullptr);
  ~CSearchCommands() override;

  // Creates the found-verses bar and the search command for the frame and
  // registers both with it; keeps the bar in step with the active window.
  // The search opens its windows through windows.
  static CSearchCommands* Install(IFrameHost& frame, CReadingWindows& windows);

  CSearchDialog& Dialog();
  CFoundVersesBar& Bar() { return bar_; }

  // Receives each message to show (a missing book file); by default a
  // warning box over the progress window.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }
  // Called after each searched book, after the progress window advanced and
  // before it is asked for a cancel request.
  void SetProgressObserver(std::function<void(CSearchProgressDlg&, int book)> observer) {
    progressObserver_ = std::move(observer);
  }

  // The whole search command.
  void OnFind();
  bool IsRunning() const { return running_; }

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 private:
  CChildFrame* ActiveWindow() const;
  void ShowMessage(const QString& text, QWidget* over) const;

  CReadingWindows& windows_;
  CFoundVersesBar& bar_;
  QPointer<QWidget> progressOwner_;
  QPointer<CSearchDialog> dialog_;
  std::function<void(const QString&)> messageSink_;
  std::function<void(CSearchProgressDlg&, int)> progressObserver_;
  bool running_ = false;
};

}  // namespace skrybon
