// SPDX-License-Identifier: GPL-2.0-or-later
// A run of bytes in a verse's text, as the verse list paints found words.
#pragma once

#include <cstddef>

namespace skrybon {

// Bytes [begin, end) of a verse.
struct CTextRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  friend bool operator==(const CTextRange&, const CTextRange&) = default;
};

}  // namespace skrybon
