// SPDX-License-Identifier: GPL-2.0-or-later
// Command routing between the windows. A command (menu item, accelerator or
// tool-bar button, identified by its ID_* number) is offered in turn to the
// targets of a chain, whose order the main frame sets where it builds it; the
// first target that answers true handles it. The same chain answers update
// requests, which set the command's enabled and checked state (and, for a few
// commands, the menu text or prompt); a command no target handles is disabled.
#pragma once

#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/translation.h"

namespace skrybon {

// The state an update request collects for one command.
class CCmdUI {
 public:
  void Enable(bool enabled = true) { enabled_ = enabled; }
  void SetCheck(bool checked = true) { checked_ = checked; }
  // A menu text (UTF-8) that replaces the command's own while it holds.
  void SetText(std::string_view utf8) { text_ = utf8; }
  // A status-bar prompt (UTF-8), also the tool tip, that replaces the
  // command's own while it holds: why a command is disabled.
  void SetPrompt(std::string_view utf8) { prompt_ = utf8; }
  // A note (UTF-8) shown after the menu text, before its accelerator, while it holds.
  void SetNote(std::string_view utf8) { note_ = utf8; }
  bool IsEnabled() const { return enabled_; }
  bool IsChecked() const { return checked_; }
  const std::string& Text() const { return text_; }  // "" = the command's own text
  const std::string& Prompt() const { return prompt_; }  // "" = the command's own prompt
  const std::string& Note() const { return note_; }

 private:
  bool enabled_ = true;
  bool checked_ = false;
  std::string text_;
  std::string prompt_;
  std::string note_;
};

// A command of a translation that is not installed: disabled, saying so in
// its menu text, and telling in its prompt how to add the translation.
inline void DisableNotInstalled(CCmdUI& ui, TranslationId id) {
  ui.Enable(false);
  ui.SetNote("(nie zainstalowano)");
  ui.SetPrompt(Cp1250ToUtf8(NotInstalledPrompt(id)));
}

class ICommandTarget {
 public:
  virtual ~ICommandTarget() = default;
  // Answers true when this target handles the command, after setting its state in ui.
  virtual bool OnUpdateCommand(int id, CCmdUI& ui) = 0;
  // Carries the command out; answers true when this target handles it.
  virtual bool OnCommand(int id) = 0;
};

}  // namespace skrybon
