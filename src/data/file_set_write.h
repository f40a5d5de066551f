// SPDX-License-Identifier: GPL-2.0-or-later
// Replacing several files that only make sense together (an index and the
// book files it points into) so that a failure at any point leaves the old set
// in place. Every new file is first written whole to a temporary beside its
// target; only when all were written are they renamed into place, in the
// order they were staged, and a failed rename puts back what was there.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/atomic_file.h"

namespace skrybon {

class CFileSetWrite {
 public:
  CFileSetWrite() = default;
  CFileSetWrite(const CFileSetWrite&) = delete;
  CFileSetWrite& operator=(const CFileSetWrite&) = delete;

  // Writes the new contents of path to a temporary beside it. On failure
  // nothing of the set has reached its target; dropping the object then
  // removes every temporary.
  [[nodiscard]] FileWriteResult Stage(const std::string& path, std::span<const std::uint8_t> data);

  // Renames every staged file over its target, in staging order (so the file
  // that makes the set usable goes last). Returns the failure with its file
  // and reason; the targets then hold what they held before.
  [[nodiscard]] FileWriteResult Commit();

 private:
  std::vector<CStagedFile> files_;
};

}  // namespace skrybon
