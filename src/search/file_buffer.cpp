// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/file_buffer.h"

#include <fcntl.h>

#include <algorithm>

namespace skrybon {
namespace {

constexpr std::size_t kFirstCapacity = 64 * 1024;

}  // namespace

CFileBuffer::CFileBuffer(std::size_t capacity)
    : data_(capacity > 0 ? std::make_unique_for_overwrite<std::uint8_t[]>(capacity) : nullptr),
      capacity_(capacity) {}

std::uint8_t* CFileBuffer::Room(std::size_t size) {
  if (size > capacity_) {
    // Doubling keeps a run of growing books to a few allocations.
    const std::size_t capacity = std::max({size, kFirstCapacity, capacity_ * 2});
    data_ = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    capacity_ = capacity;
  }
  return data_.get();
}

FileReadResult CFileBuffer::Read(const std::string& path) { return ReadAt(AT_FDCWD, path); }

FileReadResult CFileBuffer::ReadAt(int folder, const std::string& path) {
  size_ = 0;
  std::size_t done = 0;
  FileReadResult result = ReadWholeFileAt(folder, path, [this](std::size_t size) { return Room(size); }, done);
  if (result) size_ = done;
  return result;
}

}  // namespace skrybon
