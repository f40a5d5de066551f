#include "data/translation_builder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "data/book_file.h"
#include "data/codepage.h"

namespace skrybon {
namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The first character of text that Windows-1250 cannot hold, described as
// "'…' (U+2603)"; the text is known to hold one.
std::string FirstUnmappable(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    const std::string_view ch = text.substr(i, n);
    std::size_t bad = 0;
    Utf8ToCp1250(ch, &bad);
    if (bad > 0) {
      char code[16] = {};
      char32_t cp = 0;
      const auto lead = static_cast<unsigned char>(ch[0]);
      if (n == 1) cp = lead;
      else cp = lead & (0xFF >> (n + 1));
      for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
      // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + string.
      std::string described = "'";
      described.append(ch).append("' (").append(code).append(")");
      return described;
    }
    i += n;
  }
  return {};
}

bool ParseNumber(std::string_view s, int& out) {
  if (s.empty()) return false;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

std::string PlaceForReport(TranslationId id, int book, int chapter, int verse) {
  std::string place = Cp1250ToUtf8(BookAbbreviation(id, book));
  if (place.empty()) place.append("book ").append(std::to_string(book));
  place.append(" ").append(std::to_string(chapter));
  if (verse > 0) place.append(":").append(std::to_string(verse));
  return place;
}

void CTranslationBuilder::AddVerse(int book, int chapter, int verse, std::string_view utf8Text) {
  const std::string place = PlaceForReport(id_, book, chapter, verse);
  if (book < 0 || book >= BookCount(id_)) {
    Reject("book number " + std::to_string(book) + " (the translation has " + std::to_string(BookCount(id_)) +
           " books, numbered from 0)");
    return;
  }
  if (chapter < 1 || chapter > kMaxChapterNumber || verse < 1 || verse > kMaxVerseNumber) {
    Reject(place + " (chapter and verse must be 1-" + std::to_string(kMaxChapterNumber) + ")");
    return;
  }
  Chapter& verses = books_[static_cast<std::size_t>(book)][chapter];
  if (verses.contains(verse)) {
    report_.duplicates.Add(place);
    return;
  }
  std::size_t bad = 0;
  std::string text = Utf8ToCp1250(utf8Text, &bad);
  if (bad > 0) {
    const std::size_t before = report_.unmappable.count;
    report_.unmappable.count += bad;
    if (before == 0) report_.unmappable.first = place + ": " + FirstUnmappable(utf8Text);
  }
  verses.emplace(verse, std::move(text));
  ++report_.verses;
}

BuiltTranslation CTranslationBuilder::Build() {
  BuiltTranslation built;
  built.id = id_;
  built.index.resize(books_.size());
  built.books.resize(books_.size());
  report_.missingBooks.clear();
  for (std::size_t b = 0; b < books_.size(); ++b) {
    auto& chapters = built.index[b];
    auto& texts = built.books[b];
    const auto& input = books_[b];
    const int book = static_cast<int>(b);
    if (input.empty()) {
      report_.missingBooks.push_back(book);
      chapters.push_back({0});
      texts.emplace_back();
      continue;
    }
    const int lastChapter = input.rbegin()->first;
    for (int c = 1; c <= lastChapter; ++c) {
      std::vector<std::uint16_t> entries;
      const auto found = input.find(c);
      if (found == input.end()) {
        report_.chapterGaps.Add(PlaceForReport(id_, book, c, 0));
        entries.push_back(static_cast<std::uint16_t>(texts.size()));
        texts.emplace_back();
      } else {
        const int lastVerse = found->second.rbegin()->first;
        for (int v = 1; v <= lastVerse; ++v) {
          entries.push_back(static_cast<std::uint16_t>(texts.size()));
          const auto text = found->second.find(v);
          if (text == found->second.end()) {
            report_.verseGaps.Add(PlaceForReport(id_, book, c, v));
            texts.emplace_back();
          } else {
            texts.push_back(text->second);
          }
        }
      }
      chapters.push_back(std::move(entries));
    }
  }
  return built;
}

std::vector<std::string> BuildReport::Describe(TranslationId id) const {
  std::vector<std::string> lines;
  auto describe = [&lines](const ProblemCount& p, const std::string& what) {
    if (p.count > 0) lines.push_back(std::to_string(p.count) + " " + what + "; first: " + p.first);
  };
  describe(unmappable, "character(s) that Windows-1250 cannot hold, written as '?'");
  describe(rejected, "input item(s) skipped");
  describe(duplicates, "repeated place(s), the first text kept");
  describe(verseGaps, "missing verse(s) in a chapter's numbering, written as empty verses");
  describe(chapterGaps, "missing chapter(s), written as one empty verse each");
  if (!missingBooks.empty()) {
    std::string names;
    for (const int book : missingBooks) {
      if (!names.empty()) names += ", ";
      names.append(Cp1250ToUtf8(BookFullName(id, book))).append(" (").append(std::to_string(book)).append(")");
    }
    lines.push_back(std::to_string(missingBooks.size()) +
                    " book(s) missing from the input (book number in brackets), written with one empty verse each: " + names);
  }
  return lines;
}

void ImportTsv(std::string_view utf8, CTranslationBuilder& builder) {
  if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
  std::size_t lineNumber = 0;
  while (!utf8.empty()) {
    const auto end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    utf8 = end == std::string_view::npos ? std::string_view{} : utf8.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::string_view fields[3];
    bool ok = true;
    for (auto& field : fields) {
      const auto tab = line.find('\t');
      if (tab == std::string_view::npos) {
        ok = false;
        break;
      }
      field = line.substr(0, tab);
      line.remove_prefix(tab + 1);
    }
    int book = 0, chapter = 0, verse = 0;
    if (!ok || !ParseNumber(fields[0], book) || !ParseNumber(fields[1], chapter) ||
        !ParseNumber(fields[2], verse)) {
      builder.Reject("line " + std::to_string(lineNumber) + " is not book<TAB>chapter<TAB>verse<TAB>text");
      continue;
    }
    builder.AddVerse(book, chapter, verse, line);
  }
}

}  // namespace skrybon
