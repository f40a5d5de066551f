// SPDX-License-Identifier: GPL-2.0-or-later
// The application profile: one INI file of sections and "key=value" lines in
// Windows-1250, readable and editable by a person. Names match without regard
// to case and integers are decimal text, as in the Windows profile calls. The
// file is read once, when the profile is made; changed keys are written
// together by Flush, in one merge under the profile's lock: the file is read
// again, the changed values are put into it and it is replaced, so keys that
// another copy of the program wrote meanwhile stay, and two copies saving at
// once never lose each other's keys. Every byte the program does not change
// (remarks, blanks, unknown sections and keys, line ends) is kept, and so are
// the file's mode and links. A damaged file never fails a read. A profile that
// exists but cannot be read is never written in that run: the program runs
// with its defaults and the user's file stays as it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/profile_text.h"

namespace skrybon {

class CProfile {
 public:
  // Reads path when it exists.
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

  // Changes key for this run and marks it for the next Flush; nothing is
  // written yet. A new key goes at the end of its section, a new section at
  // the end of the file.
  void SetProfileString(std::string_view section, std::string_view key, std::string_view value);
  void SetProfileInt(std::string_view section, std::string_view key, int value);

  // Writes every key changed since the last successful Flush, all in one
  // write. False when the file could not be written (the reason is in
  // LastError); the changes are then kept for this run and tried again by
  // the next Flush.
  bool Flush();
  const std::string& LastError() const { return lastError_; }
  // The file exists but could not be read at start: it is left alone.
  bool Unreadable() const { return unreadable_; }

  // The file's text as this run sees it: as last read or written, with the
  // keys not yet written put into it.
  std::string Text() const { return MergeProfileChanges(text_, pending_); }

  // SetProfileString or SetProfileInt, then Flush.
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);

 private:
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  std::string path_;
  std::string text_;                     // the file as last read or written
  std::vector<CProfileChange> pending_;  // changed keys not yet written, one per key
  bool unreadable_ = false;              // the file exists but could not be read: never written
  std::string lastError_;
};

// The profile rule for settings: an integer read with 65535 as the fallback,
// where a stored 65535 counts as missing too.
inline constexpr int kProfileMissing = 65535;
std::optional<int> GetProfileSetting(const CProfile& profile, std::string_view section,
                                     std::string_view key);

}  // namespace skrybon
