// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_job.h"

#include "print/print_text.h"

namespace skrybon {

PrintJobResult RunPrintJob(const CPrintLayout& layout, std::span<const int> pages, IPrintSurface& surface,
                           IPrintJobDevice& device) {
  const int count = static_cast<int>(pages.size());
  const std::uint64_t start = device.NowMs();
  std::uint64_t averageMs = 0;
  int done = 0;
  for (const int page : pages) {
    ++done;
    device.ShowProgress(done, count, ProgressPercentText(done, count),
                        ProgressPageText(done, count, RemainingTimeText(RemainingSeconds(done, count, averageMs))));
    if (!device.StartPage()) return PrintJobResult::Stopped;
    layout.DrawPage(surface, page);
    if (!device.EndPage() || !device.Continue()) return PrintJobResult::Stopped;
    averageMs = (device.NowMs() - start) / static_cast<std::uint64_t>(done);
  }
  return PrintJobResult::Printed;
}

}  // namespace skrybon
