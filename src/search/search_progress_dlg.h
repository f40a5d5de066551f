// SPDX-License-Identifier: GPL-2.0-or-later
// The small modeless progress window of a long operation on the user-interface
// thread (the search, the export of found verses): a status line, a
// percentage, a progress bar and "Przerwij". While it is open it keeps its
// owner disabled; the operation calls Advance and TakeCancelRequest between
// units of work, which let waiting events through, and destroys the window
// when it ends, which enables the owner again.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <string_view>

class QLabel;
class QProgressBar;

namespace skrybon {

// The percentage shown for a bar position: (position - lower) * 100 /
// (upper - lower), truncated, and modulo 100 unless it is exactly 100, so a
// position past the end shows small numbers again.
int ProgressPercent(int position, int lower, int upper);

class CSearchProgressDlg : public QDialog {
  Q_OBJECT

 public:
  // caption: the window caption; empty means "Trwa wyszukiwanie wersetów...".
  explicit CSearchProgressDlg(QString caption = {});
  ~CSearchProgressDlg() override;

  // Disables the top-level window of owner when it is enabled and shows this
  // window above it. Answers false (owner left enabled) when it cannot.
  bool Open(QWidget* owner);
  // Bounds of the bar, 0 <= lower < upper <= 65535.
  void SetRange(int lower, int upper);
  // The status line (Windows-1250 or Unicode).
  void ShowStatus(std::string_view cp1250);
  void ShowStatus(const QString& text);
  // Lets waiting events through, moves the bar one step (starting over from
  // the lower bound past the upper one) and shows the percentage of the
  // position reached; answers the position before the step.
  int Advance();
  // Lets waiting events through; answers whether "Przerwij" was pressed since
  // the last call, and forgets the press.
  bool TakeCancelRequest();
  // Enables the owner again if Open disabled it, then closes the window.
  void DestroyWindow();

  int Lower() const { return lower_; }
  int Upper() const { return upper_; }
  QString PercentText() const;
  // How often the percentage text was set since the window opened.
  int PercentWrites() const { return percentWrites_; }
  QString StatusText() const;

 protected:
  void reject() override;
  void accept() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void PumpWaitingMessages();
  void ShowPercent(int position);
  void ReenableOwner();

  QLabel* status_;
  QLabel* percent_;
  QProgressBar* bar_;
  int lower_ = 0;
  int upper_ = 66;
  int step_ = 1;
  int position_ = 0;
  bool cancelRequested_ = false;
  bool ownerDisabled_ = false;
  bool open_ = false;
  int percentWrites_ = 0;
  QPointer<QWidget> owner_;
};

}  // namespace skrybon
