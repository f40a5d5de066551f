// SPDX-License-Identifier: GPL-2.0-or-later
// The program's command table: for every command its menu text (with the
// accelerator after a tab), its accelerator, and the status-bar prompt and
// tool tip; and the layout of the menu bars, the tool bar and the frame's
// context menu. Texts are UTF-8.
#pragma once

#include <span>
#include <string_view>

namespace skrybon {

struct CCommandInfo {
  int id;
  std::string_view menuText;    // "" for commands without a menu item
  std::string_view accelerator; // Qt key sequence text, "" for none; several joined by "; "
  std::string_view prompt;      // status-bar prompt
  std::string_view toolTip;
};

std::span<const CCommandInfo> AllCommands();
const CCommandInfo* FindCommand(int id);

// One entry of a menu layout: a command, a separator (id 0, no title), or the
// start (id -1, title) and end (id -2) of a submenu.
struct CMenuEntry {
  int id;
  std::string_view title;
};
inline constexpr int kMenuSeparator = 0;
inline constexpr int kSubmenuBegin = -1;
inline constexpr int kSubmenuEnd = -2;

// The menu bars IDR_MENU_NO_WINDOW and IDR_MENU_WITH_WINDOW (each top-level
// menu is a submenu entry) and the context menu IDR_CONTEXT_MENU.
std::span<const CMenuEntry> MenuLayout(int menuId);

// Tool-bar buttons in order; 0 stands for a separator.
std::span<const int> ToolBarLayout();

inline constexpr std::string_view kIdlePrompt = "Gotowe.";
inline constexpr std::string_view kProgramTitle = "Skrybon v1.4";

}  // namespace skrybon
