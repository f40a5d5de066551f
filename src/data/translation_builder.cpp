// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_builder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "data/book_file.h"
#include "data/codepage.h"
#include "data/transliteration.h"

namespace skrybon {
namespace {

// "'☃' (U+2603)": a character of the input for reports.
std::string Described(std::string_view utf8Char, char32_t cp) {
  char code[16] = {};
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
  if (cp == 0xFFFD && utf8Char.size() == 1) {
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(utf8Char[0]));
    return std::string("a byte that is not UTF-8 (") + code + ")";
  }
  // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + string.
  std::string described = "'";
  described.append(utf8Char).append("' (").append(code).append(")");
  return described;
}

// Converts a verse to Windows-1250. A character the code page lacks is
// written as its usual Latin spelling when it has one, otherwise as '?';
// both are counted with the first place.
std::string ToCp1250(std::string_view utf8, const std::string& place, BuildReport& report) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t cp = DecodeUtf8(utf8, i);
    if (const int byte = Cp1250ByteOf(cp); byte >= 0) {
      out += static_cast<char>(byte);
      continue;
    }
    const std::string_view ch = utf8.substr(start, i - start);
    if (const std::string_view spelling = Cp1250Transliteration(cp); !spelling.empty()) {
      out += spelling;
      if (report.transliterated.count == 0) {
        report.transliterated.first = place + ": " + Described(ch, cp) + " as '" + Cp1250ToUtf8(spelling) + "'";
      }
      ++report.transliterated.count;
    } else {
      out += '?';
      if (report.unmappable.count == 0) report.unmappable.first = place + ": " + Described(ch, cp);
      ++report.unmappable.count;
    }
  }
  return out;
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
  verses.emplace(verse, ToCp1250(utf8Text, place, report_));
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
  describe(transliterated, "character(s) that Windows-1250 cannot hold, written in their usual Latin spelling");
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
    if (const auto bad = FirstInvalidUtf8(line)) {
      builder.Reject("line " + std::to_string(lineNumber) + " is not valid UTF-8 (byte " + std::to_string(*bad + 1) +
                     " of the line)");
      continue;
    }
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
