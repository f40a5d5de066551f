// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/cups_queue.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QByteArray>
#include <QPrinter>
#include <utility>
#include <vector>

namespace skrybon {
namespace {

// The print system's library is loaded when the first job is handed over:
// linked into the program, it and the dozens of libraries behind it were
// loaded at every start, a tenth of the program's memory.
struct CupsCalls {
  decltype(&cupsPrintFile) printFile = nullptr;
  decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

const CupsCalls* Cups() {
  static const CupsCalls calls = [] {
    CupsCalls loaded;
    if (void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL)) {
      loaded.printFile = reinterpret_cast<decltype(&cupsPrintFile)>(::dlsym(library, "cupsPrintFile"));
      loaded.lastErrorString = reinterpret_cast<decltype(&cupsLastErrorString)>(::dlsym(library, "cupsLastErrorString"));
    }
    return loaded;
  }();
  return calls.printFile != nullptr && calls.lastErrorString != nullptr ? &calls : nullptr;
}

}  // namespace

QString SubmitToCupsQueue(const QPrinter& printer, const QString& pdfPath, const QString& title) {
  const QPageLayout layout = printer.pageLayout();
  const bool landscape = layout.orientation() == QPageLayout::Landscape;
  std::vector<std::pair<QByteArray, QByteArray>> options;
  options.emplace_back("media", layout.pageSize().key().toLocal8Bit());
  if (printer.copyCount() > 1) {
    options.emplace_back("copies", QByteArray::number(printer.copyCount()));
    if (printer.collateCopies()) options.emplace_back("Collate", "True");
  }
  switch (printer.duplex()) {
    case QPrinter::DuplexNone: options.emplace_back("sides", "one-sided"); break;
    case QPrinter::DuplexLongSide: options.emplace_back("sides", "two-sided-long-edge"); break;
    case QPrinter::DuplexShortSide: options.emplace_back("sides", "two-sided-short-edge"); break;
    case QPrinter::DuplexAuto:
      options.emplace_back("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge");
      break;
  }
  if (landscape) options.emplace_back("landscape", "true");

  std::vector<cups_option_t> cupsOptions;
  for (auto& [name, value] : options) cupsOptions.push_back({name.data(), value.data()});
  // The queue's own name, without an instance ("queue/instance").
  const QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
  const CupsCalls* cups = Cups();
  if (cups == nullptr) return QString::fromUtf8("brak biblioteki systemu drukowania CUPS (libcups.so.2)");
  const int job = cups->printFile(queue.constData(), pdfPath.toLocal8Bit().constData(), title.toLocal8Bit().constData(),
                                static_cast<int>(cupsOptions.size()), cupsOptions.data());
  if (job != 0) return {};
  return QString::fromLocal8Bit(cups->lastErrorString());
}

}  // namespace skrybon
