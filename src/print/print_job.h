// SPDX-License-Identifier: GPL-2.0-or-later
// The page loop of a print job: for each page of the job, in order, the
// progress texts are shown, the page is started, drawn and ended, and the job
// asks whether to go on (the progress window's "Anuluj" and a quit request
// stop it after the page in hand). The device behind it is a printer, a PDF
// file or a test double.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "print/print_layout.h"

namespace skrybon {

class IPrintJobDevice {
 public:
  virtual ~IPrintJobDevice() = default;
  // Before page `done` of `count` of the job starts: "25 %", "Strona 1 z 4, ?? do końca o ...".
  virtual void ShowProgress(int done, int count, const std::string& percent, const std::string& pageLine) = 0;
  // False when the page could not be started or ended.
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  // Lets waiting events through; false when the job is to stop.
  virtual bool Continue() = 0;
  virtual std::uint64_t NowMs() = 0;
};

enum class PrintJobResult { Printed, Stopped };

// Prints the layout's pages listed in `pages` (1-based layout numbers).
PrintJobResult RunPrintJob(const CPrintLayout& layout, std::span<const int> pages, IPrintSurface& surface,
                           IPrintJobDevice& device);

}  // namespace skrybon
