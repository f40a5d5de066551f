// SPDX-License-Identifier: GPL-2.0-or-later
// Replacing several files that only make sense together (an index and the
// book files it points into) so that a failure at any point leaves the old set
// in place. Every new file is first written whole to a temporary beside its
// target; only when all were written are they renamed into place, in the
// order they were staged, and a failed rename puts back what was there.
//
// A crash or a kill between the first and the last rename cannot be undone by
// the writer itself, so a set may keep a journal: a file beside its targets,
// written and flushed before the first rename and removed after the last,
// naming each target and the second name ("<target>.<8 letters>.old~") under
// which its earlier contents are kept. While the journal exists the set is
// unfinished and must not be read; UndoUnfinishedSet puts the earlier files
// back from their second names.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/atomic_file.h"

namespace skrybon {

class CFileSetWrite {
 public:
  // Files are staged by their names relative to folder; journalName names
  // the journal to keep there while committing ("" for none).
  explicit CFileSetWrite(std::string folder, std::string journalName = {})
      : folder_(std::move(folder)), journal_(journalName.empty() ? "" : folder_ + "/" + journalName) {}
  CFileSetWrite(const CFileSetWrite&) = delete;
  CFileSetWrite& operator=(const CFileSetWrite&) = delete;

  // Writes the new contents of folder/name to a temporary beside it. On failure
  // nothing of the set has reached its target; dropping the object then
  // removes every temporary.
  [[nodiscard]] FileWriteResult Stage(const std::string& name, std::span<const std::uint8_t> data);

  // Renames every staged file over its target, in staging order (so the file
  // that makes the set usable goes last). Returns the failure with its file
  // and reason; the targets then hold what they held before (or, should even
  // putting them back fail, the journal stays for UndoUnfinishedSet).
  [[nodiscard]] FileWriteResult Commit();

 private:
  std::string folder_;
  std::string journal_;             // its path, or ""
  std::vector<std::string> names_;  // as staged, for the journal
  std::vector<CStagedFile> files_;
};

// Puts back what an unfinished commit in folder had replaced, as its journal
// records, then removes the journal. names: the only names the journal may
// name; a journal naming anything else, or not in the journal's format, is
// refused as damaged and nothing is touched. Running it again after an
// interruption is safe.
[[nodiscard]] FileWriteResult UndoUnfinishedSet(const std::string& folder, const std::string& journalName,
                                                std::span<const std::string> names);

// The file name a writer's temporary or kept old file stands for: "0.bg" for
// "0.bg.k3x9a0qz~" and "0.bg.k3x9a0qz.old~"; "" for any other name.
std::string_view LeftoverTarget(std::string_view fileName);

}  // namespace skrybon
