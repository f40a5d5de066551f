// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/codepage.h"
#include "print/print_job.h"
#include "print/print_text.h"

namespace skrybon {
namespace {

// Every character 10 units wide and every line 20 high; "&" takes no room
// with mnemonics, "&&" one character; "\n" breaks a line.
class CFakeSurface : public IPrintSurface {
 public:
  struct Drawn {
    std::string text;
    PrintRect rect;
    Align align;
    bool mnemonics;
    PrintFont font;
  };
  void SelectFont(PrintFont font) override { font_ = font; }
  Extent MeasureText(std::string_view text, int width, bool mnemonics) override {
    int lines = 0;
    int widest = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      const int w = CharCount(text.substr(start, end - start), mnemonics) * 10;
      lines += std::max(1, (w + width - 1) / std::max(width, 1));
      widest = std::max(widest, std::min(w, width));
      start = end + 1;
    }
    return {widest, lines * 20};
  }
  void DrawText(std::string_view text, const PrintRect& rect, Align align, bool, bool mnemonics) override {
    drawn.push_back({std::string(text), rect, align, mnemonics, font_});
  }
  void DrawRule(int, int, int y) override { rules.push_back(y); }

  std::vector<Drawn> drawn;
  std::vector<int> rules;

 private:
  static int CharCount(std::string_view text, bool mnemonics) {
    if (!mnemonics) return static_cast<int>(text.size());
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && i + 1 < text.size()) ++i;
      ++n;
    }
    return n;
  }
  PrintFont font_ = PrintFont::Body;
};

// 600 dpi, printable 2000 x 3000: margins of 10 mm are 236.
constexpr PrintRect kPrintable{0, 0, 2000, 3000};

CPrintVerseList Verses(int count, int textChars = 10) {
  CPrintVerseList list;
  list.SetDescription("1 Moj. 3:1-" + std::to_string(count));
  for (int i = 1; i <= count; ++i) list.Append(std::to_string(i) + ".", std::string(textChars, 'a'));
  return list;
}

TEST(PrintLayout, DeviceUnitsFromMillimetresAndPoints) {
  struct Row {
    int mm, dpi, units;
  } rows[] = {{10, 600, 236}, {10, 300, 118}, {0, 600, 0}, {300, 600, 7087}, {1, 254, 10}, {1, 127, 5}};
  for (const Row& r : rows) EXPECT_EQ(MillimetresToDevice(r.mm, r.dpi), r.units) << r.mm << " mm " << r.dpi;
  EXPECT_EQ(PrinterFontHeight(10, 600), 83);
  EXPECT_EQ(PrinterFontHeight(11, 300), 45);
}

TEST(PrintLayout, MarginsThatWouldFillThePageLeaveAQuarter) {
  CPrintSettings s;
  EXPECT_EQ(ApplyMargins(kPrintable, s, 600, 600), (PrintRect{236, 236, 1764, 2764}));
  s.marginLeft = s.marginRight = s.marginTop = s.marginBottom = 300;
  s.marginRight = 100;
  const PrintRect r = ApplyMargins(kPrintable, s, 600, 600);
  EXPECT_EQ(r.Width(), 501);  // rounded down on both sides
  EXPECT_EQ(r.Height(), 750);
  EXPECT_EQ(r.left, 1125);  // three quarters of the room on the left, as asked
}

TEST(PrintLayout, HeaderAndFooterBlocks) {
  struct Row {
    std::string format, header, footer;
    int headerHeight, footerHeight;
  } rows[] = {
      {"Strona %d z %d", "Wersety %s", "", 20, 0},
      {"", "", "", 0, 0},
      {"", "", "Stopka\ndwa", 0, 45},
      {std::string(400, 'x'), "", "", 60, 0},  // a page number that wraps over three lines
  };
  for (const Row& r : rows) {
    CPrintSettings s;
    s.pageNumberFormat = r.format;
    s.headerText = r.header;
    s.footerText = r.footer;
    const CPrintVerseList list = Verses(2);
    CPrintLayout layout(s, list);
    CFakeSurface surface;
    layout.Paginate(surface, kPrintable, 600, 600);
    EXPECT_EQ(layout.HeaderHeight(), r.headerHeight) << r.format << r.header;
    EXPECT_EQ(layout.FooterHeight(), r.footerHeight) << r.footer;
    layout.DrawPage(surface, 1);
    // Header rule, first verse, footer rule; the footer text ends 5 above the bottom margin.
    ASSERT_EQ(surface.rules.size(), 2u);
    EXPECT_EQ(surface.rules[0], 236 + r.headerHeight + 10);
    EXPECT_EQ(surface.rules[1], 2764 - r.footerHeight - 10);
    const auto label = std::find_if(surface.drawn.begin(), surface.drawn.end(), [](auto& d) { return d.text == "1."; });
    ASSERT_NE(label, surface.drawn.end());
    EXPECT_EQ(label->rect, (PrintRect{236, 236 + r.headerHeight + 35, 276, 236 + r.headerHeight + 35 + 26}));
    if (!r.footer.empty()) {
      EXPECT_EQ(surface.drawn.back().rect.bottom, 2764 - 5);
    }
  }
}

TEST(PrintLayout, HeaderTextsAndAmpersands) {
  CPrintSettings s;
  s.headerText = "%s: A&&B %d %s";
  s.pageNumberFormat = "Strona %d z %d";
  s.footerText = "&Stopka";
  CPrintVerseList list = Verses(1);
  list.Append("", "R&R");
  CPrintLayout layout(s, list);
  CFakeSurface surface;
  layout.Paginate(surface, kPrintable, 600, 600);
  layout.DrawPage(surface, 1);
  std::vector<std::string> texts;
  for (const auto& d : surface.drawn) {
    texts.push_back(d.text);
    EXPECT_EQ(d.mnemonics, d.font != PrintFont::Body) << d.text;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Strona 1 z 1", "1 Moj. 3:1-1: A&&B %d %s", "1.", "aaaaaaaaaa", "",
                                             "R&R", "&Stopka"}));
  EXPECT_EQ(surface.drawn[0].rect.right, 1764);
  EXPECT_EQ(surface.drawn[0].align, IPrintSurface::Align::Right);
  EXPECT_EQ(surface.drawn[1].rect.right, 1764 - 120);  // the header text leaves room for the number
}

TEST(PrintLayout, BlocksAreNeverSplit) {
  // Body height: 2528 - 20 - 70 = 2438; a 40-character verse is one line: 25 + 1 units.
  struct Row {
    std::vector<int> chars;  // text length of each verse
    std::vector<std::size_t> perPage;
  } rows[] = {
      {std::vector<int>(93, 40), {93}},
      {std::vector<int>(94, 40), {93, 1}},
      {{40, 40, 148 * 119}, {2, 1}},  // 26 + 26 + 2386 fill the body exactly: the last starts a page
      {{40, 40 * 148 * 200, 40}, {1, 1, 1}},  // a block taller than the page has a page of its own
      {{40 * 148 * 200, 40}, {1, 1}},         // even the first: no empty first page
  };
  for (const Row& r : rows) {
    CPrintVerseList list;
    for (int n : r.chars) list.Append("1.", std::string(static_cast<std::size_t>(n), 'a'));
    CPrintSettings s;
    CPrintLayout layout(s, list);
    CFakeSurface surface;
    layout.Paginate(surface, kPrintable, 600, 600);
    std::vector<std::size_t> perPage;
    for (const auto& page : layout.Pages()) perPage.push_back(page.blocks.size());
    EXPECT_EQ(perPage, r.perPage) << r.chars.size();
  }
}

TEST(PrintLayout, JobPagesFollowTheRange) {
  struct Row {
    int from, to, count;
    std::vector<int> pages;
  } rows[] = {{2, 3, 5, {2, 3}}, {4, 2, 5, {4, 3, 2}}, {3, 99, 5, {3, 4, 5}}, {1, 65535, 2, {1, 2}},
              {0, 0, 1, {1}},    {7, 9, 5, {5}},       {1, 1, 0, {}}};
  for (const Row& r : rows) EXPECT_EQ(JobPages(r.from, r.to, r.count), r.pages) << r.from << "-" << r.to;
}

class CFakeDevice : public IPrintJobDevice {
 public:
  void ShowProgress(int, int, const std::string& percent, const std::string& pageLine) override {
    progress.push_back(percent + " | " + pageLine);
  }
  bool StartPage() override { return true; }
  bool EndPage() override { return true; }
  bool Continue() override { return ++pagesEnded < stopAfter; }
  std::uint64_t NowMs() override { return now += 30500; }
  std::vector<std::string> progress;
  int pagesEnded = 0;
  int stopAfter = 1000;
  std::uint64_t now = 0;
};

TEST(PrintJob, RangeProgressAndCancel) {
  CPrintSettings s;
  s.pageNumberFormat = "Strona %d z %d";
  CPrintVerseList list;
  for (int i = 0; i < 5; ++i) list.Append("1.", std::string(40 * 148 * 50, 'a'));  // a page each
  CPrintLayout layout(s, list);
  CFakeSurface surface;
  layout.Paginate(surface, kPrintable, 600, 600);
  ASSERT_EQ(layout.PageCount(), 5);

  struct Row {
    std::vector<int> pages;
    int stopAfter;
    PrintJobResult result;
    std::vector<std::string> numbers;
    std::vector<std::string> progress;
  } rows[] = {
      {JobPages(2, 3, 5), 1000, PrintJobResult::Printed, {"Strona 2 z 5", "Strona 3 z 5"},
       {"50 % | Strona 1 z 2, ?? do końca o ...", "100 % | Strona 2 z 2, 30 sek. do końca o ..."}},
      {JobPages(5, 1, 5), 1, PrintJobResult::Stopped, {"Strona 5 z 5"}, {"20 % | Strona 1 z 5, ?? do końca o ..."}},
      {JobPages(1, 4, 5), 1000, PrintJobResult::Printed, {"Strona 1 z 5", "Strona 2 z 5", "Strona 3 z 5", "Strona 4 z 5"},
       {"25 % | Strona 1 z 4, ?? do końca o ...", "50 % | Strona 2 z 4, 1 min., 31 sek. do końca o ...",
        "75 % | Strona 3 z 4, 1 min., 1 sek. do końca o ...", "100 % | Strona 4 z 4, 30 sek. do końca o ..."}},
  };
  for (const Row& r : rows) {
    CFakeSurface pageSurface;
    CFakeDevice device;
    device.stopAfter = r.stopAfter;
    EXPECT_EQ(RunPrintJob(layout, r.pages, pageSurface, device), r.result);
    std::vector<std::string> numbers;
    for (const auto& d : pageSurface.drawn)
      if (d.text.starts_with("Strona")) numbers.push_back(d.text);
    EXPECT_EQ(numbers, r.numbers);
    std::vector<std::string> expected;
    for (const auto& p : r.progress) expected.push_back(Cp(p));
    EXPECT_EQ(device.progress, expected);
  }
}

TEST(PrintText, PageNumberFormatTakesTwoNumberFieldsAndKeepsTheRest) {
  struct Row {
    const char* format;
    std::string printed;
  } rows[] = {{"Strona %d z %d", "Strona 2 z 5"}, {"%d/%d/%d", "2/5/%d"},   {"%s %n", "%s %n"},
              {"%999999d", "%999999d"},           {"100%% %d", "100% 2"}, {"%", "%"},
              {"a %", "a %"},                     {"%%d", "%d"},          {"", ""},
              {"%3d/%d", "  2/5"},                {"%-3d|%03d|", "2  |005|"}, {"%02d%2d%d", "02 5%d"},
              {"%99d", std::string(98, ' ') + "2"}, {"%100d %d", "%100d 2"}, {"%+3d %0-3d %-", "%+3d %0-3d %-"},
              {"%-0d%0d", "25"},                  {"%3%d", "%32"}};
  for (const Row& r : rows) EXPECT_EQ(FormatPageNumber(r.format, 2, 5), r.printed) << r.format;
}

TEST(PrintText, HeaderAndTimeTexts) {
  EXPECT_EQ(FormatHeaderText("Wersety %s", "J 3:16"), "Wersety J 3:16");
  EXPECT_EQ(FormatHeaderText("%s i %s", "J 3:16"), "J 3:16 i %s");
  EXPECT_EQ(FormatHeaderText("Bez opisu %d", "J 3:16"), "Bez opisu %d");
  struct Row {
    unsigned seconds;
    const char* text;
  } rows[] = {{61, "1 min., 1 sek."}, {60, "60 sek."}, {1, "1 sek."}, {0, "??"}, {3600, "60 min., 0 sek."}};
  for (const Row& r : rows) EXPECT_EQ(RemainingTimeText(r.seconds), r.text);
  EXPECT_EQ(RemainingSeconds(1, 4, 20500), 82u);
  EXPECT_EQ(ProgressPercentText(1, 3), "33 %");
}

}  // namespace
}  // namespace skrybon
