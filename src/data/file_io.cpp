// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/file_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace skrybon {
namespace {

constexpr std::string_view kNameLetters = "0123456789abcdefghijklmnopqrstuvwxyz";

}  // namespace

std::string SystemReason(int error) { return std::strerror(error); }

bool WriteAllAt(int fd, std::span<const std::uint8_t> data, off_t offset) {
  while (!data.empty()) {
    const ssize_t written = ::pwrite(fd, data.data(), data.size(), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data = data.subspan(static_cast<std::size_t>(written));
    offset += written;
  }
  return true;
}

std::string RandomNamePart() {
  std::random_device seed;
  std::mt19937_64 random(seed() ^ (static_cast<std::uint64_t>(::getpid()) << 32));
  std::string part;
  for (std::size_t i = 0; i < kRandomNamePartLength; ++i) part += kNameLetters[random() % kNameLetters.size()];
  return part;
}

bool IsRandomNamePart(std::string_view s) {
  return s.size() == kRandomNamePartLength && s.find_first_not_of(kNameLetters) == std::string_view::npos;
}

std::string FolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

}  // namespace skrybon
