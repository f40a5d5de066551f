// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/import_messages.h"

#include <charconv>

#include "data/codepage.h"

namespace skrybon {
namespace {

// The problem counts of a report under the keys the summary uses for them,
// with the Polish description of each.
struct ProblemKind {
  std::string_view key;
  ProblemCount BuildReport::*count;
  std::string_view description;
};

constexpr ProblemKind kProblems[] = {
    {"transliterated", &BuildReport::transliterated, "Znaki zapisane po łacinie (Windows-1250 ich nie ma)"},
    {"unmappable", &BuildReport::unmappable, "Znaki zapisane jako „?” (Windows-1250 ich nie ma)"},
    {"rejected", &BuildReport::rejected, "Pominięte fragmenty źródła"},
    {"duplicates", &BuildReport::duplicates, "Powtórzone miejsca (zostaje pierwszy tekst)"},
    {"verse-gaps", &BuildReport::verseGaps, "Brakujące wersety, zapisane jako puste"},
    {"chapter-gaps", &BuildReport::chapterGaps, "Brakujące rozdziały, zapisane jako jeden pusty werset"},
};

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
    fields.push_back(line.substr(0, tab));
  fields.push_back(line);
  return fields;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Tabs and line breaks of a quoted input would break the line apart.
std::string OneField(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

std::string FormatImportSummary(const std::string& folder, const BuiltTranslation& built,
                                const BuildReport& report) {
  std::size_t chapters = 0;
  for (const auto& book : built.index) chapters += book.size();
  std::string text = "folder\t" + OneField(folder) + "\nverses\t" + std::to_string(report.verses) +
                     "\nchapters\t" + std::to_string(chapters) + "\n";
  if (!report.missingBooks.empty()) {
    text += "missing-books";
    for (const int book : report.missingBooks) text.append("\t").append(std::to_string(book));
    text += "\n";
  }
  for (const ProblemKind& kind : kProblems) {
    const ProblemCount& problem = report.*kind.count;
    if (problem.count > 0) {
      text.append(kind.key).append("\t").append(std::to_string(problem.count)).append("\t");
      text.append(OneField(problem.first)).append("\n");
    }
  }
  return text;
}

std::optional<ImportSummary> ParseImportSummary(std::string_view text) {
  ImportSummary summary;
  bool hasFolder = false, hasVerses = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::vector<std::string_view> fields = SplitTabs(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const std::string_view key = fields[0];
    if (key == "folder" && fields.size() == 2) {
      summary.folder = fields[1];
      hasFolder = !summary.folder.empty();
    } else if (key == "verses" && fields.size() == 2) {
      hasVerses = ParseNumber(fields[1], summary.report.verses);
    } else if (key == "chapters" && fields.size() == 2) {
      ParseNumber(fields[1], summary.chapters);
    } else if (key == "missing-books") {
      for (std::size_t i = 1; i < fields.size(); ++i) {
        if (int book = 0; ParseNumber(fields[i], book)) summary.report.missingBooks.push_back(book);
      }
    } else {
      for (const ProblemKind& kind : kProblems) {
        ProblemCount& problem = summary.report.*kind.count;
        if (key == kind.key && fields.size() == 3 && ParseNumber(fields[1], problem.count))
          problem.first = fields[2];
      }
    }
  }
  if (!hasFolder || !hasVerses) return std::nullopt;
  return summary;
}

std::string FormatImportProgress(std::size_t written, std::size_t total) {
  return "progress\t" + std::to_string(written) + "\t" + std::to_string(total);
}

std::optional<ImportProgress> ParseImportProgress(std::string_view line) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  ImportProgress progress;
  if (fields.size() != 3 || fields[0] != "progress" || !ParseNumber(fields[1], progress.written) ||
      !ParseNumber(fields[2], progress.total) || progress.written > progress.total)
    return std::nullopt;
  return progress;
}

std::vector<std::string> DescribeImportSummary(TranslationId id, const ImportSummary& summary) {
  const BuildReport& report = summary.report;
  const int books = BookCount(id);
  std::vector<std::string> lines;
  lines.push_back("Księgi: " + std::to_string(books - static_cast<int>(report.missingBooks.size())) + " z " +
                  std::to_string(books));
  lines.push_back("Rozdziały: " + std::to_string(summary.chapters));
  lines.push_back("Wersety: " + std::to_string(report.verses));
  if (!report.missingBooks.empty()) {
    std::string names;
    for (const int book : report.missingBooks) {
      const std::string name = Cp1250ToUtf8(BookFullName(id, book));
      names.append(names.empty() ? "" : ", ").append(name.empty() ? std::to_string(book) : name);
    }
    lines.push_back("Brak ksiąg (każda dostanie jeden pusty werset): " + names);
  }
  for (const ProblemKind& kind : kProblems) {
    const ProblemCount& problem = report.*kind.count;
    if (problem.count == 0) continue;
    std::string line(kind.description);
    line.append(": ").append(std::to_string(problem.count)).append(" (pierwszy przypadek: ").append(problem.first).append(")");
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string InstalledTranslationLabel(TranslationId id, const VerseIndex& installed) {
  std::string label = Cp1250ToUtf8(TranslationTitle(id)) + " (" + std::string(TranslationCode(id)) + ") – ";
  if (installed.empty()) return label + "nie zainstalowana";
  std::size_t chapters = 0, verses = 0;
  for (const auto& book : installed) {
    chapters += book.size();
    for (const auto& chapter : book) verses += chapter.size();
  }
  return label + "zainstalowana: księgi " + std::to_string(installed.size()) + ", rozdziały " +
         std::to_string(chapters) + ", wersety " + std::to_string(verses);
}

std::string_view ImportFormatOf(std::string_view fileName, std::string_view head) {
  // Lower-cased ASCII only: without the zero bytes of UTF-16 and any byte order mark.
  std::string text;
  for (const char c : head) {
    if (c != '\0' && static_cast<unsigned char>(c) < 0x80) text += Cp1250ToLower(c);
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  const bool xml = (first != std::string::npos && text[first] == '<') || Cp1250Lower(fileName).ends_with(".xml");
  if (!xml) return "tsv";
  return text.find("osis") != std::string::npos ? "osis" : "zefania";
}

}  // namespace skrybon
