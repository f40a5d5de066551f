// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/kept_clipboard.h"

namespace skrybon {

const std::string& CKeptClipboard::Take(std::string_view citation) {
  if (appendMode_) text_ += citation;
  else text_.assign(citation);
  return text_;
}

std::string_view CKeptClipboard::ModeMenuText() const {
  return appendMode_ ? "&Tryb kopiowania" : "&Tryb dołączania";
}

}  // namespace skrybon
