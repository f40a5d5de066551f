// SPDX-License-Identifier: GPL-2.0-or-later
// The modeless window "Drukowanie" shown while a print job sends its pages:
// a looping printer picture, what is printed where, the page count with the
// remaining time, the percentage, a bar and "Anuluj". While it is open its
// owner is disabled. The job calls Continue after every page: it lets waiting
// events through and answers false once "Anuluj" (or Esc, or the close box)
// was pressed or the application is quitting.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;
class QProgressBar;

namespace skrybon {

class CPrinterAnimation;

class CPrintProgressDlg : public QDialog {
  Q_OBJECT

 public:
  CPrintProgressDlg();
  ~CPrintProgressDlg() override;

  // Disables the owner's top-level window, centres this window over it and shows it.
  void Open(QWidget* owner);
  // The three texts of the window: "Drukuje dokument na ...", "Strona 1 z 4, ..." and "25 %".
  void SetJobText(const QString& text);
  void SetPageText(const QString& text);
  void SetPercentText(const QString& text);
  void SetRange(int pages);
  void SetPosition(int pagesStarted);
  // Lets waiting events through; false when the job is to stop.
  bool Continue();
  // Enables the owner again and hides the window.
  void DestroyWindow();

  QString JobText() const;
  QString PageText() const;
  QString PercentText() const;
  int Position() const;
  CPrinterAnimation& Animation() { return *animation_; }

 protected:
  void reject() override;
  void accept() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  CPrinterAnimation* animation_;
  QLabel* job_;
  QLabel* page_;
  QLabel* percent_;
  QProgressBar* bar_;
  QPointer<QWidget> owner_;
  bool ownerDisabled_ = false;
  bool abort_ = false;
};

}  // namespace skrybon
