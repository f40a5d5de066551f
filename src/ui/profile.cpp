// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/profile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ui/profile_file.h"

namespace skrybon {

CProfile::CProfile(std::string path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {
  // The shared lock keeps out a copy that is writing a hard-linked profile in
  // place; when it cannot be had in time, the file is read as it is.
  const CProfileLock lock(path_, CProfileLock::Mode::Shared, lockWait_);
  CProfileFile file = ReadProfileFile(path_);
  unreadable_ = file.state == CProfileFile::State::Unreadable;
  text_ = std::move(file.text);
}

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

std::optional<std::string_view> CProfile::Find(std::string_view section, std::string_view key) const {
  for (const CProfileChange& change : pending_)
    if (SameProfileName(change.section, section) && SameProfileName(change.key, key)) return change.value;
  return FindProfileValue(text_, section, key);
}

std::string CProfile::GetProfileString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
  return std::string(Find(section, key).value_or(defaultValue));
}

int CProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
  const std::optional<std::string_view> found = Find(section, key);
  if (!found || found->empty()) return defaultValue;
  std::string_view v = *found;
  bool negative = false;
  if (v.front() == '-' || v.front() == '+') {
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

void CProfile::SetProfileString(std::string_view section, std::string_view key, std::string_view value) {
  // Line breaks would split the entry; the file keeps one line per key.
  std::string clean(value);
  for (char& c : clean)
    if (c == '\n' || c == '\r') c = ' ';
  for (CProfileChange& change : pending_) {
    if (SameProfileName(change.section, section) && SameProfileName(change.key, key)) {
      change.value = std::move(clean);
      return;
    }
  }
  pending_.push_back({std::string(section), std::string(key), std::move(clean)});
}

void CProfile::SetProfileInt(std::string_view section, std::string_view key, int value) {
  SetProfileString(section, key, std::to_string(value));
}

bool CProfile::Flush(std::chrono::milliseconds lockWait) {
  lockBusy_ = false;
  if (pending_.empty()) return true;
  if (unreadable_) {
    lastError_ = "the profile exists but could not be read, so it is not written";
    return false;
  }
  // Read, merge and write under the lock, so that a copy saving at the same
  // time merges into what this one wrote, or this one into what it wrote.
  const CProfileLock lock(path_, CProfileLock::Mode::Exclusive, lockWait);
  lockBusy_ = lock.Busy();
  if (!lock.Held()) {
    lastError_ = lock.Error();
    return false;
  }
  const CProfileFile current = ReadProfileFile(path_);
  if (current.state == CProfileFile::State::Unreadable) {
    lastError_ = "the profile could not be read again, so it is not written";
    return false;
  }
  std::string merged = MergeProfileChanges(current.text, pending_);
  if (merged != current.text) {
    if (const FileWriteResult written = WriteProfileFile(path_, merged); !written) {
      lastError_ = written.error;
      return false;
    }
  }
  text_ = std::move(merged);
  pending_.clear();
  lastError_.clear();
  return true;
}

bool CProfile::WriteProfileString(std::string_view section, std::string_view key, std::string_view value) {
  SetProfileString(section, key, value);
  return Flush();
}

bool CProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

std::optional<int> GetProfileSetting(const CProfile& profile, std::string_view section,
                                     std::string_view key) {
  const int value = profile.GetProfileInt(section, key, kProfileMissing);
  if (value == kProfileMissing) return std::nullopt;
  return value;
}

}  // namespace skrybon
