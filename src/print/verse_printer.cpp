// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/verse_printer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "data/atomic_file.h"
#include "print/cups_queue.h"
#include "print/print_progress_dlg.h"
#include "print/print_settings_dlg.h"
#include "print/print_surface_qt.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

PrintRect PrintableArea(const QPagedPaintDevice& device) {
  const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiY());
  return {0, 0, page.width(), page.height()};
}

// The pages the print dialog asked for: every range in order, or all pages.
// A range beyond the layout is held to it, so it prints the last page.
std::vector<int> ChosenPages(const QPrinter& printer, int pageCount) {
  if (printer.printRange() != QPrinter::PageRange || printer.pageRanges().isEmpty())
    return JobPages(1, pageCount, pageCount);
  std::vector<int> pages;
  for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
    for (int page : JobPages(range.from, range.to, pageCount)) pages.push_back(page);
  return pages;
}

// The job's pages on a painter of the printer, with the progress window.
class CQtJobDevice : public IPrintJobDevice {
 public:
  CQtJobDevice(QPagedPaintDevice& printer, CPrintProgressDlg& progress, const std::function<void(CPrintProgressDlg&)>& observer)
      : printer_(printer), progress_(progress), observer_(observer) {
    clock_.start();
  }
  void ShowProgress(int done, int, const std::string& percent, const std::string& pageLine) override {
    progress_.SetPosition(done);
    progress_.SetPercentText(ToQString(percent));
    progress_.SetPageText(ToQString(pageLine));
    if (observer_) observer_(progress_);
  }
  bool StartPage() override { return started_++ == 0 || printer_.newPage(); }
  bool EndPage() override { return true; }
  bool Continue() override { return progress_.Continue(); }
  std::uint64_t NowMs() override { return static_cast<std::uint64_t>(clock_.elapsed()); }

 private:
  QPagedPaintDevice& printer_;
  CPrintProgressDlg& progress_;
  const std::function<void(CPrintProgressDlg&)>& observer_;
  QElapsedTimer clock_;
  int started_ = 0;
};

}  // namespace

CVersePrinter::CVersePrinter(CProfile& profile) : profile_(profile), settings_(LoadPrintSettings(profile)) {}

void CVersePrinter::Print(QPrinter& printer, QWidget* owner) {
  if (list_ == nullptr || list_->Entries().empty()) return;
  CPrintSettingsDlg settingsDialog(settings_, printer, owner);
  settingsDialog.SetPreview([this, &printer](const CPrintSettings& s, QWidget* over) { Preview(printer, s, over); });
  if (settingsDialog.exec() != QDialog::Accepted) return;
  settings_ = settingsDialog.Settings();
  if (!SavePrintSettings(profile_, settings_))
    ShowMessage(QString::fromUtf8("Nie mogę zapisać ustawień drukowania w pliku:\n%1").arg(QString::fromStdString(profile_.Path())),
                owner);

  printer.setResolution(kResolution);
  QPrintDialog printDialog(&printer, owner);
  printDialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  printDialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  printDialog.setMinMax(1, 65535);
  if (printDialog.exec() != QDialog::Accepted) return;
  PrintJob(printer, owner);
}

CVersePrinter::Result CVersePrinter::PrintJob(QPrinter& printer, QWidget* owner) {
  if (list_ == nullptr || list_->Entries().empty()) return Result::NotStarted;
  printer.setResolution(kResolution);
  printer.setDocName(QString::fromLatin1(kDocumentName));
  printer.setFullPage(false);
  const QString outputFile = printer.outputFileName();
  const bool toFile = !outputFile.isEmpty();
  // A job for a print queue is drawn into a PDF file of the same page
  // layout, and handed to the queue only when every page is drawn. A job for
  // a PDF file is drawn in memory and replaces the file only once finished
  // and written whole, so a stopped or failed job leaves the old file as it was.
  QTemporaryDir spoolFolder;
  QBuffer pdfBytes;
  std::unique_ptr<QPagedPaintDevice> drawn;
  QPrinter* spool = nullptr;
  if (toFile) {
    pdfBytes.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(&pdfBytes);
    pdf->setTitle(printer.docName());
    pdf->setResolution(kResolution);
    drawn = std::move(pdf);
  } else {
    auto queued = std::make_unique<QPrinter>(QPrinter::HighResolution);
    queued->setOutputFormat(QPrinter::PdfFormat);
    queued->setOutputFileName(spoolFolder.filePath(QStringLiteral("dokument.pdf")));
    queued->setResolution(kResolution);
    queued->setDocName(printer.docName());
    spool = queued.get();
    drawn = std::move(queued);
  }
  QPagedPaintDevice& target = *drawn;
  target.setPageLayout(printer.pageLayout());
  const QString device = toFile ? QString::fromUtf8("PDF") : printer.printerName();
  const QString port = toFile ? outputFile : QString::fromUtf8("CUPS");

  QPainter painter;
  if (!spoolFolder.isValid() || !painter.begin(&target)) {
    ShowMessage(QString::fromUtf8("Nie można rozpocząć drukowania na drukarce %1 (%2).").arg(device, port), owner);
    return Result::NotStarted;
  }
  const int dpi = target.logicalDpiY();
  CQtPrintSurface surface(painter, settings_, dpi);
  CPrintLayout layout(settings_, *list_);
  layout.Paginate(surface, PrintableArea(target), dpi, dpi);
  const std::vector<int> pages = ChosenPages(printer, layout.PageCount());

  CPrintProgressDlg progress;
  progress.setWindowTitle(QString::fromUtf8("Drukuje wersety %1").arg(QString::fromLatin1(kDocumentName)));
  progress.SetJobText(QString::fromUtf8("Drukuje %1 na %2 na porcie %3  ...")
                          .arg(QString::fromLatin1(kDocumentName), device, port));
  progress.SetRange(static_cast<int>(pages.size()));
  progress.SetPosition(0);
  progress.Open(owner);

  CQtJobDevice jobDevice(target, progress, observer_);
  const PrintJobResult result = RunPrintJob(layout, pages, surface, jobDevice);
  painter.end();
  progress.DestroyWindow();
  if (result == PrintJobResult::Stopped) return Result::Stopped;
  if (toFile) {
    const QByteArray& bytes = pdfBytes.buffer();
    const FileWriteResult written = WriteFileAtomically(
        QFile::encodeName(outputFile).toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size())));
    if (!written) {
      ShowMessage(QString::fromUtf8("Nie mogę zapisać wydruku w pliku: '%1'!\n%2")
                      .arg(outputFile, QString::fromStdString(written.error)),
                  owner);
      return Result::Failed;
    }
    return Result::Printed;
  }
  const QString failure = SubmitToCupsQueue(printer, spool->outputFileName(), printer.docName());
  if (!failure.isEmpty()) {
    ShowMessage(QString::fromUtf8("Nie można wysłać wydruku do drukarki %1:\n%2").arg(device, failure), owner);
    return Result::Failed;
  }
  return Result::Printed;
}

void CVersePrinter::PaintAllPages(QPrinter& printer, const CPrintSettings& settings, const CPrintVerseList& list) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  CQtPrintSurface surface(painter, settings, printer.resolution());
  CPrintLayout layout(settings, list);
  layout.Paginate(surface, PrintableArea(printer), printer.resolution(), printer.resolution());
  for (int page = 1; page <= layout.PageCount(); ++page) {
    if (page > 1) printer.newPage();
    layout.DrawPage(surface, page);
  }
}

void CVersePrinter::Preview(QPrinter& printer, const CPrintSettings& settings, QWidget* owner) const {
  if (list_ == nullptr || list_->Entries().empty()) return;
  printer.setResolution(kResolution);
  QPrintPreviewDialog preview(&printer, owner);
  preview.setWindowTitle(QString::fromUtf8("Podgląd wydruku"));
  const CPrintVerseList& list = *list_;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&settings, &list](QPrinter* p) { PaintAllPages(*p, settings, list); });
  preview.exec();
}

void CVersePrinter::ShowMessage(const QString& text, QWidget* owner) const {
  if (messageSink_) {
    messageSink_(text);
    return;
  }
  QMessageBox::warning(owner, QString::fromUtf8("Skrybon"), text);
}

}  // namespace skrybon
