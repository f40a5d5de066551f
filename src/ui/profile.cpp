#include "ui/profile.h"

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <span>
#include <system_error>

#include "data/archive.h"
#include "data/atomic_file.h"

namespace skrybon {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\0'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

CProfile::CProfile(std::string path) : path_(std::move(path)) { Reload(); }

std::string CProfile::DefaultPath(std::string_view programName) {
  std::filesystem::path folder;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    folder = xdg;
  } else if (home != nullptr && home[0] != '\0') {
    folder = std::filesystem::path(home) / ".config";
  } else {
    folder = ".";
  }
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return (folder / (std::string(programName) + ".ini")).string();
}

namespace {

// The file's bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadProfileFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

void CProfile::Reload() { Load(ReadProfileFile(path_)); }

void CProfile::Load(std::optional<std::string> text) {
  sections_.clear();
  seen_ = std::move(text);
  if (seen_) Parse(*seen_);
}

void CProfile::Parse(std::string_view text) {
  sections_.push_back(Section{});  // lines before the first section header
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    const std::string_view line = Trim(raw);
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close != std::string_view::npos) {
        sections_.push_back(Section{std::string(Trim(line.substr(1, close - 1))), std::string(raw), {}});
        continue;
      }
    }
    Line kept;
    const std::size_t eq = line.find('=');
    if (!line.empty() && line.front() != ';' && eq != std::string_view::npos && eq > 0) {
      kept.key = std::string(Trim(line.substr(0, eq)));
      kept.value = std::string(Trim(line.substr(eq + 1)));
    }
    if (kept.key.empty()) {
      kept.text = std::string(raw);
    }
    sections_.back().lines.push_back(std::move(kept));
  }
}

const CProfile::Line* CProfile::Find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (s.name.empty() || !SameName(s.name, section)) continue;
    for (const Line& line : s.lines)
      if (!line.key.empty() && SameName(line.key, key)) return &line;
  }
  return nullptr;
}

std::string CProfile::GetProfileString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
  const Line* line = Find(section, key);
  return line != nullptr ? line->value : std::string(defaultValue);
}

int CProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
  const Line* line = Find(section, key);
  if (line == nullptr || line->value.empty()) return defaultValue;
  std::string_view v = line->value;
  bool negative = false;
  if (!v.empty() && (v.front() == '-' || v.front() == '+')) {
    negative = v.front() == '-';
    v.remove_prefix(1);
  }
  long long result = 0;
  for (const char c : v) {
    if (c < '0' || c > '9') break;
    result = result * 10 + (c - '0');
    // Overlong numbers wrap like the 32-bit value they are read into.
    result &= 0xFFFFFFFFLL;
  }
  if (negative) result = -result;
  return static_cast<int>(static_cast<std::uint32_t>(result & 0xFFFFFFFFLL));
}

bool CProfile::WriteProfileString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  // Another copy of the program may have written the file since we last saw
  // it; the write changes one key of the file as it is now, not of an old copy.
  if (auto current = ReadProfileFile(path_); current != seen_) Load(std::move(current));
  // Line breaks would split the entry; the file keeps one line per key.
  std::string clean(value);
  for (char& c : clean)
    if (c == '\n' || c == '\r') c = ' ';

  Section* target = nullptr;
  for (Section& s : sections_) {
    if (!s.name.empty() && SameName(s.name, section)) {
      for (Line& line : s.lines) {
        if (!line.key.empty() && SameName(line.key, key)) {
          line.value = clean;
          return Save();
        }
      }
      if (target == nullptr) target = &s;
    }
  }
  if (target == nullptr) {
    if (sections_.empty()) sections_.push_back(Section{});
    std::string header = "[";
    header.append(section).append("]");
    sections_.push_back(Section{std::string(section), std::move(header), {}});
    target = &sections_.back();
  }
  // A new key goes after the section's last entry, before trailing blank lines.
  auto pos = target->lines.end();
  while (pos != target->lines.begin() && std::prev(pos)->key.empty() &&
         Trim(std::prev(pos)->text).empty())
    --pos;
  target->lines.insert(pos, Line{{}, std::string(key), clean});
  return Save();
}

bool CProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

std::string CProfile::Text() const {
  std::string out;
  for (const Section& s : sections_) {
    // The header line goes back as it was read, with whatever followed the
    // name; a "[]" section keeps its header, so its keys stay out of the
    // section before it.
    if (!s.header.empty()) out += s.header + '\n';
    for (const Line& line : s.lines) {
      out += line.key.empty() ? line.text : line.key + '=' + line.value;
      out += '\n';
    }
  }
  return out;
}

bool CProfile::Save() {
  std::string text = Text();
  if (!WriteFileAtomically(path_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
    return false;
  }
  seen_ = std::move(text);
  return true;
}

std::optional<int> GetProfileSetting(const CProfile& profile, std::string_view section,
                                     std::string_view key) {
  const int value = profile.GetProfileInt(section, key, kProfileMissing);
  if (value == kProfileMissing) return std::nullopt;
  return value;
}

}  // namespace skrybon
