// SPDX-License-Identifier: GPL-2.0-or-later
// One print command over the selected verses: the settings (read from the
// profile when the printer is made), the settings dialog (written back to
// the profile on OK), the desktop's print dialog, and the job itself: the
// pages laid out for the chosen printer and sent in the chosen range while
// the progress window runs over the owner. The preview paints exactly the
// pages the job prints.
#pragma once

#include <QString>
#include <functional>

#include "reading/citation.h"
#include "print/print_job.h"
#include "print/print_settings.h"

class QPrinter;
class QWidget;

namespace skrybon {

class CPrintProgressDlg;

class CVersePrinter {
 public:
  static constexpr char kDocumentName[] = "dokument";
  // The resolution every job and preview is laid out for.
  static constexpr int kResolution = 600;

  explicit CVersePrinter(CProfile& profile);

  // The list must outlive the printer's use of it.
  void SetVerseList(const CPrintVerseList* list) { list_ = list; }
  CPrintSettings& Settings() { return settings_; }

  // The whole command: nothing for an empty list; then the settings dialog,
  // the print dialog on `printer` (the program's current printer) and the job.
  void Print(QPrinter& printer, QWidget* owner);

  enum class Result { Printed, Stopped, NotStarted, Failed };
  // The job on a printer already chosen, in its page range. Failed: every
  // page was drawn but the file or the queue did not take them (said).
  Result PrintJob(QPrinter& printer, QWidget* owner);
  // The preview of the job's pages with the given settings.
  void Preview(QPrinter& printer, const CPrintSettings& settings, QWidget* owner) const;
  // Paints every page of the layout on printer (the preview's painting).
  static void PaintAllPages(QPrinter& printer, const CPrintSettings& settings, const CPrintVerseList& list);

  // Called after the progress window shows each page's texts (tests).
  void SetProgressObserver(std::function<void(CPrintProgressDlg&)> observer) { observer_ = std::move(observer); }
  // Receives each message to show; by default a warning box over the owner.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }

 private:
  void ShowMessage(const QString& text, QWidget* owner) const;

  CProfile& profile_;
  CPrintSettings settings_;
  const CPrintVerseList* list_ = nullptr;
  std::function<void(CPrintProgressDlg&)> observer_;
  std::function<void(const QString&)> messageSink_;
};

}  // namespace skrybon
