// SPDX-License-Identifier: GPL-2.0-or-later
// The clipboard text this program keeps: everything it has put on the desktop
// clipboard since the last clear, and the clipboard mode. In copy mode each
// copied citation replaces the kept text; in append mode it is added after it
// (every citation ends with CR LF, so the next one starts on a new line).
// Text copied by other programs never joins it. Windows-1250, shared by all
// reading windows, not kept between runs.
#pragma once

#include <string>
#include <string_view>

namespace skrybon {

class CKeptClipboard {
 public:
  const std::string& Text() const { return text_; }
  bool AppendMode() const { return appendMode_; }

  // Takes a copied citation as the mode says; answers the kept text after it.
  const std::string& Take(std::string_view citation);
  // Empties the kept text; the mode stays.
  void Clear() { text_.clear(); }
  // Copy mode becomes append mode and back; the kept text stays.
  void ToggleMode() { appendMode_ = !appendMode_; }

  // The mode command's menu text (UTF-8): it names the mode that choosing it
  // switches to, "Tryb kopiowania" in append mode, "Tryb dołączania" in copy mode.
  std::string_view ModeMenuText() const;

 private:
  std::string text_;
  bool appendMode_ = false;
};

}  // namespace skrybon
