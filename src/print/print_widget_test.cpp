// SPDX-License-Identifier: GPL-2.0-or-later
// Printing as a user meets it: jobs printed to PDF files and read back with pdftotext,
// the preview against the job, the settings dialog and the font face combo.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <optional>

#include "data/codepage.h"
#include "print/print_progress_dlg.h"
#include "print/print_settings_dlg.h"
#include "print/printer_animation.h"
#include "print/verse_printer.h"
#include "testing/file_size_limit.h"
#include "testing/widget_fixtures.h"
#include "ui/font_name_combo.h"
#include "ui/qt_text.h"

using namespace skrybon;
using testing::Control;

namespace {

// Eighty verses of Polish text, some of two lines: five pages of A6 with the
// default settings.
CPrintVerseList Verses() {
  CPrintVerseList list;
  list.SetDescription(Cp("1 Moj. 3:1-58"));
  for (int i = 1; i <= 58; ++i) {
    std::string text = Cp("Zażółć gęślą jaźń, ŹRÓDŁO & ŚWIATŁO");
    for (int word = 0; word < i % 3 * 4; ++word) text += Cp(" słowo");
    list.Append(std::to_string(i) + ".", text);
  }
  return list;
}

// A printer that prints A6 pages to the PDF file at path.
struct CPdfPrinter : QPrinter {
  explicit CPdfPrinter(const QString& path) : QPrinter(QPrinter::HighResolution) {
    setOutputFormat(QPrinter::PdfFormat);
    setOutputFileName(path);
    setPageSize(QPageSize(QPageSize::A6));
  }
};

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class CPrintWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    profile_ = std::make_unique<CProfile>(dir_.filePath(QStringLiteral("skrybon.ini")).toStdString());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
  }

  void pdfJobPrintsTheChosenPages() {
    const CPrintVerseList list = Verses();
    CVersePrinter printer(*profile_);
    printer.SetVerseList(&list);
    QStringList percents;
    printer.SetProgressObserver([&](CPrintProgressDlg& progress) {
      percents << progress.PercentText() + QStringLiteral("@%1").arg(progress.Position());
      QVERIFY(!owner_.isEnabled());
    });
    const QString path = dir_.filePath(QStringLiteral("range.pdf"));
    CPdfPrinter qprinter(path);
    qprinter.setPrintRange(QPrinter::PageRange);
    qprinter.setFromTo(2, 3);
    owner_.show();
    QCOMPARE(printer.PrintJob(qprinter, &owner_), CVersePrinter::Result::Printed);
    QVERIFY(owner_.isEnabled());
    QCOMPARE(percents, (QStringList{"50 %@1", "100 %@2"}));

    const QString text = PdfText(path);
    const QStringList pages = text.split(QChar(u'\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(pages[0].contains(QStringLiteral("Strona 2 z 5")), qPrintable(pages[0]));
    QVERIFY(pages[1].contains(QStringLiteral("Strona 3 z 5")));
    QVERIFY(pages[0].contains(QStringLiteral("Wersety 1 Moj. 3:1-58")));
    QVERIFY(pages[0].contains(QString::fromUtf8("Zażółć gęślą jaźń, ŹRÓDŁO & ŚWIATŁO")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("(^|\\s)1\\.\\s*Za"))));  // page 1 is not printed
  }

  void previewPaintsTheJobsPages() {
    const CPrintVerseList list = Verses();
    CPrintSettings settings = LoadPrintSettings(*profile_);
    settings.headerText = "A&&B %s";
    settings.footerText = Cp("Stopka\ndruga linia");
    CPdfPrinter job(dir_.filePath(QStringLiteral("job.pdf")));
    CVersePrinter printer(*profile_);
    printer.Settings() = settings;
    printer.SetVerseList(&list);
    QCOMPARE(printer.PrintJob(job, &owner_), CVersePrinter::Result::Printed);
    CPdfPrinter preview(dir_.filePath(QStringLiteral("preview.pdf")));
    preview.setResolution(CVersePrinter::kResolution);
    CVersePrinter::PaintAllPages(preview, settings, list);
    const QString jobText = PdfText(job.outputFileName());
    QCOMPARE(PdfText(preview.outputFileName()), jobText);
    QVERIFY(jobText.contains(QStringLiteral("AB 1 Moj. 3:1-58")) || jobText.contains(QStringLiteral("A&B 1 Moj")));
    QVERIFY(jobText.contains(QStringLiteral("druga linia")));
  }

  // A PDF file the user agreed to overwrite is replaced only by a finished
  // job written whole, keeping its mode: a full disk or "Anuluj" during the
  // first page leaves it as it was (and creates no new file), with no
  // temporary left beside it.
  void aPdfFileIsReplacedOnlyByAFinishedJob() {
    using R = CVersePrinter::Result;
    const struct Row {
      bool existing, cancel;
      rlim_t sizeLimit;  // 0: room enough
      R result;
    } rows[] = {{true, false, 0, R::Printed}, {true, false, 2048, R::Failed}, {true, true, 0, R::Stopped},
                {false, true, 0, R::Stopped}};
    const CPrintVerseList list = Verses();
    for (const Row& row : rows) {
      QTemporaryDir folder;
      const QString path = folder.filePath(QStringLiteral("print.pdf"));
      if (row.existing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
      }
      CVersePrinter printer(*profile_);
      printer.SetVerseList(&list);
      QStringList messages;
      printer.SetMessageSink([&](const QString& m) { messages << m; });
      int pagesShown = 0;
      printer.SetProgressObserver([&](CPrintProgressDlg& progress) {
        QVERIFY(progress.Animation().IsPlaying());
        if (++pagesShown == 1 && row.cancel) QTest::mouseClick(Control<QAbstractButton>(progress, 2), Qt::LeftButton);
      });
      CPdfPrinter qprinter(path);
      owner_.show();
      {
        std::optional<testing::CFileSizeLimit> fullDisk;
        if (row.sizeLimit != 0) fullDisk.emplace(row.sizeLimit);
        QCOMPARE(printer.PrintJob(qprinter, &owner_), row.result);
      }
      QVERIFY(owner_.isEnabled());
      QCOMPARE(pagesShown, row.cancel ? 1 : 5);
      QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), row.existing ? 1 : 0);
      QFile file(path);
      QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
      file.open(QIODevice::ReadOnly);
      const QByteArray now = file.readAll();
      if (row.existing) QVERIFY(row.result == R::Printed ? now.startsWith("%PDF") && now.contains("%%EOF") : now == "old");
      const QString fullDisk = QString::fromUtf8("Nie mogę zapisać wydruku w pliku: '%1'!\n%2")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG)));
      QCOMPARE(messages, row.sizeLimit != 0 ? QStringList{fullDisk} : QStringList{});
    }
  }

  // A damaged or hand-edited profile: whatever it holds, the settings come
  // out within their limits, and the real layout lays out and paints every
  // page of the preview in bounded time.
  void extremePrintSettingsStayBounded() {
    const QByteArray longText(100000, 'x');
    const QString path = dir_.filePath(QStringLiteral("damaged.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Print Settings]\nHeader Font Name=" + longText + "\nPage Font Name=" + longText +
               "\nFooter Font Name=" + longText + "\nHeader Font Size=99999\nPage Font Size=2147483647\n"
               "Footer Font Size=-5\nMargin-Left=300\nMargin-Top=-300\nMargin-Right=300\nMargin-Bottom=99999\n"
               "Header Text=" + QByteArray("\\n").repeated(50000) + QByteArray("%s%d%n\\n\\\\").repeated(10000) +
               "\nFooter Text=" + QByteArray("a\\n").repeated(50000) + longText +
               "\nPage Number Format=" + QByteArray("%d%99d%-0d%").repeated(10000) + "\n");
    file.close();
    const CPrintSettings s = LoadPrintSettings(CProfile(path.toStdString()));
    for (const CPrintFontSetting& font : {s.headerFont, s.bodyFont, s.footerFont})
      QVERIFY(font.face.size() <= kMaxFaceName && font.size <= kMaxFontSize);
    for (const std::string& text : {s.headerText, s.footerText, s.pageNumberFormat}) {
      QVERIFY(text.size() <= kMaxPrintText);
      QVERIFY(std::count(text.begin(), text.end(), '\n') < static_cast<long>(kMaxPrintLines));
    }

    const CPrintVerseList list = Verses();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A6));
    printer.setResolution(CVersePrinter::kResolution);
    QPrintPreviewWidget preview(&printer);
    connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* p) { CVersePrinter::PaintAllPages(*p, s, list); });
    QElapsedTimer clock;
    clock.start();
    preview.updatePreview();
    QVERIFY(preview.pageCount() >= 1 && preview.pageCount() <= static_cast<int>(list.Entries().size()));
    QVERIFY(clock.elapsed() < 30000);
  }

  void settingsDialogShowsAndTakesValues() {
    QPrinter qprinter;
    CPrintSettingsDlg dialog(LoadPrintSettings(*profile_), qprinter);
    QStringList messages;
    dialog.SetMessageSink([&](const QString& m) { messages << m; });
    // The controls show the settings.
    QCOMPARE(Control<QComboBox>(dialog, 1073)->currentText(), QStringLiteral("11"));
    QCOMPARE(Control<QPlainTextEdit>(dialog, 1078)->toPlainText(), QStringLiteral("Wersety %s"));
    QCOMPARE(Control<QSpinBox>(dialog, 1053)->value(), 10);
    // The default face shows what really prints in its place.
    QCOMPARE(Control<CFontNameCombo>(dialog, 1072)->Face(), QFontInfo(QFont(QStringLiteral("Arial"))).family());

    Control<QComboBox>(dialog, 1073)->setEditText(QStringLiteral("12pt"));
    Control<QComboBox>(dialog, 1077)->setEditText(QStringLiteral("duży"));
    Control<QSpinBox>(dialog, 1056)->setValue(301);
    Control<QPlainTextEdit>(dialog, 1070)->setPlainText(QString::fromUtf8("Stopka α"));
    dialog.accept();
    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QString::fromUtf8("„α”")), qPrintable(messages[0]));
    QCOMPARE(Control<QPlainTextEdit>(dialog, 1070)->toPlainText(), QString::fromUtf8("Stopka α"));

    Control<QPlainTextEdit>(dialog, 1070)->setPlainText(QString::fromUtf8("Stopka ż\ndruga"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CPrintSettings s = dialog.Settings();
    QCOMPARE(s.headerFont.size, 12);
    QCOMPARE(s.bodyFont.size, 0);
    QCOMPARE(s.marginBottom, 300);
    QCOMPARE(s.footerText, Cp("Stopka ż\ndruga"));
  }

  void okWritesTheSettingsEvenWhenThePrintDialogIsCancelled() {
    const CPrintVerseList list = Verses();
    CVersePrinter printer(*profile_);
    printer.SetVerseList(&list);
    QStringList dialogs;
    // Each modal dialog in turn: OK in the settings dialog, cancel in the print dialog.
    std::function<void()> answer = [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return QTimer::singleShot(10, answer);
      dialogs << dialog->metaObject()->className();
      if (auto* settings = qobject_cast<CPrintSettingsDlg*>(dialog)) {
        Control<QLineEdit>(*settings, 1079)->setText(QStringLiteral("%d/%d"));
        settings->accept();
        QTimer::singleShot(10, answer);
      } else {
        dialog->reject();
      }
    };
    QTimer::singleShot(10, answer);
    QPrinter qprinter(QPrinter::HighResolution);
    printer.Print(qprinter, &owner_);
    QCOMPARE(dialogs, (QStringList{"skrybon::CPrintSettingsDlg", "QPrintDialog"}));
    QCOMPARE(LoadPrintSettings(CProfile(profile_->Path())).pageNumberFormat, std::string("%d/%d"));
  }

  void fontComboListsPolishFacesInTheirOwnFace() {
    CFontNameCombo combo;
    combo.Fill();
    QVERIFY(combo.count() > 0);
    for (int i = 0; i < combo.count(); ++i) {
      QVERIFY(CFontNameCombo::ShowsPolishLetters(combo.itemText(i)));
      const QFont font = combo.itemData(i, Qt::FontRole).value<QFont>();
      QCOMPARE(font.family(), combo.itemText(i));
      if (i > 0) QVERIFY(combo.itemText(i - 1).compare(combo.itemText(i), Qt::CaseInsensitive) <= 0);
    }
    QVERIFY(!CFontNameCombo::ShowsPolishLetters(QStringLiteral("No Such Face 123")));
    combo.SelectFace(combo.itemText(combo.count() - 1).left(3).toLower());
    QVERIFY(combo.itemText(combo.currentIndex()).startsWith(combo.Face().left(3)));
    QVERIFY(combo.Face().startsWith(combo.itemText(combo.count() - 1).left(3), Qt::CaseInsensitive));
    combo.SelectFace({});
    QCOMPARE(combo.Face(), QString());
  }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<CProfile> profile_;
  QMainWindow owner_;
};

QTEST_MAIN(CPrintWidgetTest)
#include "print_widget_test.moc"
