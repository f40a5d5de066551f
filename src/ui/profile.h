// The application profile: one INI file of sections and "key=value" lines in
// Windows-1250, readable and editable by a person. Reads and writes follow the
// Windows profile calls: names match without regard to case, integers are
// decimal text, a write goes to the file at once (the whole file, through a
// temporary and a rename). Unknown sections, keys, comments and their order
// are kept. A write starts from the file as it is then, so that keys another
// copy of the program wrote meanwhile stay. A damaged file never fails a read;
// a file that cannot be written only makes the write answer false (the value
// is still kept for this run).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

class CProfile {
 public:
  // Reads path when it exists; a missing or unreadable file is an empty profile.
  explicit CProfile(std::string path);

  // "<config folder>/<programName>.ini": $XDG_CONFIG_HOME, else ~/.config.
  // Creates the folder when it is missing.
  static std::string DefaultPath(std::string_view programName);

  const std::string& Path() const { return path_; }

  // The value of key, or defaultValue when the section or key is missing.
  std::string GetProfileString(std::string_view section, std::string_view key,
                               std::string_view defaultValue = {}) const;
  // The leading decimal integer of the value (optional sign); a value that is
  // not a number reads as 0, a missing or empty one as defaultValue.
  int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;

  // Sets key (adding section and key at the end when new) and writes the file.
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);

  // Reads the file again, dropping what is held.
  void Reload();

  // The file's text as it is written.
  std::string Text() const;

 private:
  struct Line {
    std::string text;   // the line as read, for lines that are not "key=value"
    std::string key;    // empty for other lines
    std::string value;
  };
  struct Section {
    std::string name;    // empty for lines before the first section
    std::string header;  // the "[name]" line as read; empty for lines before the first section
    std::vector<Line> lines;
  };
  void Load(std::optional<std::string> text);
  void Parse(std::string_view text);
  const Line* Find(std::string_view section, std::string_view key) const;
  bool Save();

  std::string path_;
  std::vector<Section> sections_;
  std::optional<std::string> seen_;  // the file as last read or written; nullopt: unreadable
};

// The profile rule for settings: an integer read with 65535 as the fallback,
// where a stored 65535 counts as missing too.
inline constexpr int kProfileMissing = 65535;
std::optional<int> GetProfileSetting(const CProfile& profile, std::string_view section,
                                     std::string_view key);

}  // namespace skrybon
