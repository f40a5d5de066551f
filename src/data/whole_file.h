// SPDX-License-Identifier: GPL-2.0-or-later
// Reads a file whole, telling a missing file apart from one that exists but
// cannot be used: not a regular file (a folder, a pipe, a device), larger
// than any data file can be, or refused by the system. Pipes and devices are
// never opened for reading, so they cannot block or flood the reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skrybon {

// No data file, alias file or imported Bible comes near this size.
constexpr std::uintmax_t kLargestDataFile = std::uintmax_t{1} << 30;

enum class FileReadFailure { None, Missing, NotRegularFile, TooLarge, Unreadable };

struct FileReadResult {
  FileReadFailure failure = FileReadFailure::None;
  int systemError = 0;  // errno of an Unreadable file
  std::string reason;   // the system's reason, for the data tool ("Permission denied")

  explicit operator bool() const { return failure == FileReadFailure::None; }
  bool Missing() const { return failure == FileReadFailure::Missing; }
};

// Reads path into out. On failure out is left empty.
FileReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

// The same checks and read into storage the caller keeps: once the file is
// known to be a regular file of at most `largest` bytes, room(size) returns
// where its size bytes go; bytesRead tells how many arrived (fewer when the
// file shrank while being read).
FileReadResult ReadWholeFileInto(const std::string& path, const std::function<std::uint8_t*(std::size_t)>& room,
                                 std::size_t& bytesRead, std::uintmax_t largest = kLargestDataFile);

// ReadWholeFileInto for a path relative to the folder open as folder (a
// descriptor as openat takes it): reading many files of one folder then does
// not look its path up again for each.
FileReadResult ReadWholeFileAt(int folder, const std::string& path,
                               const std::function<std::uint8_t*(std::size_t)>& room, std::size_t& bytesRead,
                               std::uintmax_t largest = kLargestDataFile);

// Why an existing file cannot be read, in the program's Polish (Windows-1250),
// for its messages: "nie jest zwykłym plikiem", "jest zbyt duży"…
std::string ReadFailureInPolish(const FileReadResult& result);

}  // namespace skrybon
