// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "data/codepage.h"
#include "data/file_descriptor.h"

namespace skrybon {
namespace {

FileReadResult Failure(FileReadFailure failure, int error, std::string reason) {
  return {failure, error, std::move(reason)};
}

}  // namespace

FileReadResult ReadWholeFileAt(int folder, const std::string& path,
                               const std::function<std::uint8_t*(std::size_t)>& room, std::size_t& bytesRead,
                               std::uintmax_t largest) {
  bytesRead = 0;
  // Non-blocking, so that opening a pipe with no writer returns at once; the
  // type is checked on the open descriptor before anything is read.
  const CFileDescriptor fd(::openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) {
    const int error = errno;
    const bool missing = error == ENOENT || error == ENOTDIR;
    return Failure(missing ? FileReadFailure::Missing : FileReadFailure::Unreadable, error, std::strerror(error));
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return Failure(FileReadFailure::Unreadable, errno, std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return Failure(FileReadFailure::NotRegularFile, EISDIR, std::strerror(EISDIR));
  if (!S_ISREG(info.st_mode)) return Failure(FileReadFailure::NotRegularFile, 0, "not a regular file");
  const auto size = static_cast<std::uintmax_t>(info.st_size);
  if (size > largest) {
    return Failure(FileReadFailure::TooLarge, EFBIG,
                   std::to_string(size) + " bytes, more than a data file can hold (" + std::to_string(largest) + ")");
  }
  const auto wanted = static_cast<std::size_t>(size);
  std::uint8_t* const data = room(wanted);
  std::size_t done = 0;
  while (done < wanted) {
    const ssize_t n = ::read(fd.Get(), data + done, wanted - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      return Failure(FileReadFailure::Unreadable, error, std::strerror(error));
    }
    if (n == 0) break;  // the file shrank while being read
    done += static_cast<std::size_t>(n);
  }
  bytesRead = done;
  return {};
}

FileReadResult ReadWholeFileInto(const std::string& path, const std::function<std::uint8_t*(std::size_t)>& room,
                                 std::size_t& bytesRead, std::uintmax_t largest) {
  return ReadWholeFileAt(AT_FDCWD, path, room, bytesRead, largest);
}

FileReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
  out.clear();
  std::size_t done = 0;
  FileReadResult result = ReadWholeFileInto(
      path,
      [&out](std::size_t size) {
        out.resize(size);
        return out.data();
      },
      done);
  out.resize(result ? done : 0);
  return result;
}

std::string ReadFailureInPolish(const FileReadResult& result) {
  switch (result.failure) {
    case FileReadFailure::None:
    case FileReadFailure::Missing:
      return {};
    case FileReadFailure::NotRegularFile:
      return Cp(result.systemError == EISDIR ? "jest to folder, a nie plik" : "nie jest to zwykły plik");
    case FileReadFailure::TooLarge:
      return Cp("plik jest zbyt duży");
    case FileReadFailure::Unreadable:
      break;
  }
  if (result.systemError == EACCES || result.systemError == EPERM) return Cp("brak uprawnień do odczytu");
  return Cp("błąd odczytu");
}

}  // namespace skrybon
