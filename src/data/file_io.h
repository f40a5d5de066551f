// SPDX-License-Identifier: GPL-2.0-or-later
// Small pieces the file writers share: the system's reason for an error
// number, a write that goes on until every byte is written, the random part
// that makes the name of a temporary or kept file unique, and a file's folder.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace skrybon {

// The system's words for errno value `error` ("No space left on device").
std::string SystemReason(int error);

// Writes all of data into fd from offset on, going on after a short or
// interrupted write. False, with errno set, when the system refuses.
bool WriteAllAt(int fd, std::span<const std::uint8_t> data, off_t offset);

constexpr std::size_t kRandomNamePartLength = 8;

// kRandomNamePartLength lower-case letters and digits, drawn afresh in every
// call and differing between processes.
std::string RandomNamePart();
// Whether s could have come from RandomNamePart.
bool IsRandomNamePart(std::string_view s);

// The folder path lies in ("." for a bare name).
std::string FolderOf(const std::string& path);

}  // namespace skrybon
