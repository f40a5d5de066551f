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
// with its defaults and the user's file stays as it is. The lock is waited
// for a bounded time only: a profile whose lock another copy keeps is read
// without it (a save usually replaces the file whole, so the read sees the old
// or the new file), and a save that cannot get it fails with LockBusy().
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/profile_text.h"

namespace skrybon {

// How long a read or a save waits for another copy to release the profile.
inline constexpr std::chrono::milliseconds kProfileLockWait{3000};

class CProfile {
 public:
  // Reads path when it exists.
  explicit CProfile(std::string path, std::chrono::milliseconds lockWait = kProfileLockWait);

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
  bool Flush() { return Flush(lockWait_); }
  // The same, waiting at most lockWait for another copy to release the profile.
  bool Flush(std::chrono::milliseconds lockWait);
  const std::string& LastError() const { return lastError_; }
  // The last Flush failed because another copy held the profile's lock.
  bool LockBusy() const { return lockBusy_; }
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
  std::chrono::milliseconds lockWait_;
  std::string text_;                     // the file as last read or written
  std::vector<CProfileChange> pending_;  // changed keys not yet written, one per key
  bool unreadable_ = false;              // the file exists but could not be read: never written
  std::string lastError_;
  bool lockBusy_ = false;
};

// The profile rule for settings: an integer read with 65535 as the fallback,
// where a stored 65535 counts as missing too.
inline constexpr int kProfileMissing = 65535;
std::optional<int> GetProfileSetting(const CProfile& profile, std::string_view section,
                                     std::string_view key);

}  // namespace skrybon
