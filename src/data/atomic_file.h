// SPDX-License-Identifier: GPL-2.0-or-later
// Replacing a file the user keeps without ever losing it. The new contents go
// to a temporary file with a unique name in the target's folder, are flushed
// to the disk and only then renamed over the target, so a reader sees either
// the old file or the new one, never a mixture; any failure removes the
// temporary, leaves the old file as it was and says why. The replacement
// keeps the target's permission bits, and a target reached through a symbolic
// link is replaced where the link points, so the link stays a link; a link to
// a file that does not exist (yet) is written through as well, creating the
// file it names. A rename gives the target a new inode: other hard links keep
// the old contents.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace skrybon {

// The outcome of a write: true when everything reached the disk; otherwise
// `error` holds the system's reason ("No space left on device").
struct FileWriteResult {
  std::string error;
  explicit operator bool() const { return error.empty(); }
};

// A file being replaced: Write puts the contents into a fresh temporary beside
// the target, Commit renames it over the target. A staged file that is never
// committed removes its temporary when it goes out of scope, which lets a
// writer prepare several files and commit them only when all were written.
class CStagedFile {
 public:
  explicit CStagedFile(std::string target);
  ~CStagedFile();
  CStagedFile(CStagedFile&& other) noexcept;
  CStagedFile& operator=(CStagedFile&&) = delete;
  CStagedFile(const CStagedFile&) = delete;
  CStagedFile& operator=(const CStagedFile&) = delete;

  // Writes the whole contents into a new temporary (once per staged file).
  [[nodiscard]] FileWriteResult Write(std::span<const std::uint8_t> data);
  // Renames the written temporary over the target.
  [[nodiscard]] FileWriteResult Commit();

  const std::string& Target() const { return target_; }

 private:
  std::string target_;     // where the contents end up (symbolic links resolved)
  std::string temporary_;  // empty until written, and again once committed
};

// The file a write to path replaces: path itself, or the file its symbolic
// links lead to (possibly not existing yet). On failure (a loop of links)
// error holds the reason.
std::string WriteTarget(const std::string& path, std::string& error);

// Makes the renames and removals in folder reach the disk (best effort).
void SyncFolder(const std::string& folder);

// Writes and commits one file at once.
[[nodiscard]] FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data);

}  // namespace skrybon
