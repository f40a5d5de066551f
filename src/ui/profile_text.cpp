// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/profile_text.h"

#include <algorithm>
#include <vector>

namespace skrybon {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\0'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// One line: its text without the line end, and where the next line starts.
struct CTextLine {
  std::string_view content;
  std::size_t next = 0;
};

// Walks the lines of a text; a line ends with LF or CR LF, the last one
// possibly with neither.
class CLineReader {
 public:
  explicit CLineReader(std::string_view text) : text_(text) {}
  bool Next(CTextLine& line) {
    if (pos_ >= text_.size()) return false;
    const std::size_t lf = text_.find('\n', pos_);
    const std::size_t end = lf == std::string_view::npos ? text_.size() : lf;
    line.content = text_.substr(pos_, end - pos_);
    if (!line.content.empty() && line.content.back() == '\r') line.content.remove_suffix(1);
    line.next = lf == std::string_view::npos ? text_.size() : lf + 1;
    pos_ = line.next;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// What a line is. Views point into the text, so a value's place in the file
// is known: an empty value sits right after its '='.
struct CLineKind {
  enum { Other, Header, Entry } kind = Other;
  std::string_view name;   // section name of a header, key of an entry
  std::string_view value;  // value of an entry
};

CLineKind Classify(std::string_view content) {
  const std::string_view line = Trim(content);
  if (line.empty()) return {};
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos) return {CLineKind::Header, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t eq = line.find('=');
  if (line.front() == ';' || eq == std::string_view::npos || eq == 0) return {};
  return {CLineKind::Entry, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

// New lines end like the first line of the text does.
std::string_view LineEndOf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

struct CEdit {
  std::size_t at;
  std::size_t removed;
  std::string inserted;
};

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  CLineReader reader(text);
  CTextLine line;
  bool inSection = false;
  while (reader.Next(line)) {
    const CLineKind kind = Classify(line.content);
    if (kind.kind == CLineKind::Header) {
      inSection = !kind.name.empty() && SameProfileName(kind.name, section);
    } else if (kind.kind == CLineKind::Entry && inSection && SameProfileName(kind.name, key)) {
      return kind.value;
    }
  }
  return std::nullopt;
}

std::string MergeProfileChanges(std::string_view text, std::span<const CProfileChange> changes) {
  const std::string_view eol = LineEndOf(text);
  struct CState {
    bool done = false;          // its entry was found and given the new value
    bool inMatching = false;    // the current section has the change's name
    bool inFirst = false;       // ... and is the first such section
    bool sectionSeen = false;   // a section of that name exists
    std::size_t insertAt = 0;   // after the first such section's last line that is not blank
  };
  std::vector<CState> state(changes.size());
  std::vector<CEdit> edits;

  CLineReader reader(text);
  CTextLine line;
  while (reader.Next(line)) {
    const CLineKind kind = Classify(line.content);
    for (std::size_t i = 0; i < changes.size(); ++i) {
      CState& s = state[i];
      if (kind.kind == CLineKind::Header) {
        s.inMatching = !kind.name.empty() && SameProfileName(kind.name, changes[i].section);
        s.inFirst = s.inMatching && !s.sectionSeen;
        s.sectionSeen = s.sectionSeen || s.inMatching;
      } else if (kind.kind == CLineKind::Entry && s.inMatching && !s.done &&
                 SameProfileName(kind.name, changes[i].key)) {
        s.done = true;
        edits.push_back({static_cast<std::size_t>(kind.value.data() - text.data()), kind.value.size(),
                         changes[i].value});
      }
      if (s.inFirst && !Trim(line.content).empty()) s.insertAt = line.next;
    }
  }

  // Lines added at the very end first finish a last line that has no line end.
  bool lastLineOpen = !text.empty() && text.back() != '\n';
  const auto lineStart = [&](std::size_t at) {
    std::string start;
    if (at == text.size() && lastLineOpen) {
      start = eol;
      lastLineOpen = false;
    }
    return start;
  };
  const auto entry = [&](const CProfileChange& c) {
    std::string s = c.key;
    return s.append("=").append(c.value).append(eol);
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (state[i].done || !state[i].sectionSeen) continue;
    edits.push_back({state[i].insertAt, 0, lineStart(state[i].insertAt) + entry(changes[i])});
  }
  // Keys of sections the text lacks: one new section each, in the order of the changes.
  std::string added;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (state[i].done || state[i].sectionSeen) continue;
    added.append("[").append(changes[i].section).append("]").append(eol);
    for (std::size_t j = i; j < changes.size(); ++j) {
      if (state[j].done || state[j].sectionSeen || !SameProfileName(changes[j].section, changes[i].section)) continue;
      added += entry(changes[j]);
      state[j].done = true;
    }
  }
  if (!added.empty()) edits.push_back({text.size(), 0, lineStart(text.size()) + added});

  std::stable_sort(edits.begin(), edits.end(), [](const CEdit& a, const CEdit& b) { return a.at < b.at; });
  std::string out;
  std::size_t grow = 0;
  for (const CEdit& e : edits) grow += e.inserted.size();
  out.reserve(text.size() + grow);
  std::size_t copied = 0;
  for (const CEdit& e : edits) {
    out.append(text.substr(copied, e.at - copied)).append(e.inserted);
    copied = e.at + e.removed;
  }
  out.append(text.substr(copied));
  return out;
}

}  // namespace skrybon
