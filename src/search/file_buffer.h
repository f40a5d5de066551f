// SPDX-License-Identifier: GPL-2.0-or-later
// Whole files read one after another into one buffer that keeps its memory:
// it grows to the largest file read and is never cleared or shrunk, so the
// books of a search cost one allocation, and each file is one read into it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "data/whole_file.h"

namespace skrybon {

class CFileBuffer {
 public:
  // The buffer first holds capacity bytes, so that files up to that size
  // never make it grow.
  explicit CFileBuffer(std::size_t capacity = 0);

  // Reads the whole regular file at path with the checks of ReadWholeFile;
  // on failure (missing, not a regular file, too large, unreadable) Bytes()
  // is empty and the result says why.
  FileReadResult Read(const std::string& path);
  // The same for a path relative to an open folder, as ReadWholeFileAt.
  FileReadResult ReadAt(int folder, const std::string& path);

  // The bytes of the file read last; valid until the next Read.
  std::span<const std::uint8_t> Bytes() const { return {data_.get(), size_}; }

 private:
  // Room for size bytes; what the buffer held is not kept.
  std::uint8_t* Room(std::size_t size);

  std::unique_ptr<std::uint8_t[]> data_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
};

}  // namespace skrybon
