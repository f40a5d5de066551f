// SPDX-License-Identifier: GPL-2.0-or-later
// Timing of the reading window with a long chapter (176 verses of some forty
// words, as long as the longest psalm): showing it in a new window, showing it
// in an open window coming from another chapter, and re-measuring and
// repainting it after the window's width changed. Runs on any Qt platform;
// offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <memory>

#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"

namespace {

using namespace skrybon;

constexpr VerseRef kLongChapter{0, 2, 0};
constexpr VerseRef kShortChapter{0, 1, 0};

// A frame-like window with an area of reading windows over the fixture data.
struct BenchWindows {
  testing::CReadingTestData data;
  QMainWindow main;
  QMdiArea* area = new QMdiArea(&main);
  CReadingWindows windows{*area, data.Data()};

  BenchWindows() {
    main.setCentralWidget(area);
    main.resize(1000, 800);
    CVerseListLook look;
    look.font = QFont(QStringLiteral("DejaVu Sans"));
    look.font.setPixelSize(13);
    windows.SetLookSource([look] { return look; });
    windows.SetMessageSink([](const QString&) {});
    main.show();
    QApplication::processEvents();
  }
};

void PaintNow(CChildFrame& window) { window.GetVerseList().viewport()->repaint(); }

void BM_OpenLongChapterInNewWindow(benchmark::State& state) {
  BenchWindows bench;
  for (auto _ : state) {
    CChildFrame* window = bench.windows.OpenWindowAt(TranslationId::BG, kLongChapter);
    PaintNow(*window);
    state.PauseTiming();
    if (window->GetVerseList().GetCount() != testing::kLongChapterVerses) state.SkipWithError("not loaded");
    delete window;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenLongChapterInNewWindow)->Unit(benchmark::kMillisecond);

void BM_ShowLongChapterInOpenWindow(benchmark::State& state) {
  BenchWindows bench;
  CChildFrame* window = bench.windows.OpenWindowAt(TranslationId::BG, kShortChapter);
  for (auto _ : state) {
    window->ShowPlace(kLongChapter.book, kLongChapter.chapter, kLongChapter.verse);
    PaintNow(*window);
    state.PauseTiming();
    window->ShowPlace(kShortChapter.book, kShortChapter.chapter, kShortChapter.verse);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ShowLongChapterInOpenWindow)->Unit(benchmark::kMillisecond);

void BM_ResizeLongChapter(benchmark::State& state) {
  BenchWindows bench;
  CChildFrame* window = bench.windows.OpenWindowAt(TranslationId::BG, kLongChapter);
  bool wide = false;
  for (auto _ : state) {
    // A step of a live resize: the width changes, every item is measured
    // anew and the visible part is painted.
    window->resize(wide ? 700 : 640, 600);
    PaintNow(*window);
    wide = !wide;
  }
}
BENCHMARK(BM_ResizeLongChapter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
