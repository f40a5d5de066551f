// SPDX-License-Identifier: GPL-2.0-or-later
// The user guide's table: its pages (file, title, index words), the page that
// describes each command, the pop-up text of every control that has a help id,
// and the routing of a help request to a page. The guide's pages themselves
// are HTML in the program's resources ("help/<page>").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

struct CHelpTopic {
  std::string_view page;      // "szukanie.html"
  std::string_view title;     // UTF-8
  std::string_view keywords;  // index words, separated by ';'
};

inline constexpr std::string_view kHelpContentsPage = "index.html";
inline constexpr std::string_view kHelpUsingPage = "pomoc.html";

std::span<const CHelpTopic> HelpTopics();
const CHelpTopic* FindHelpTopic(std::string_view page);

// The page describing a command; the contents for a command without one.
std::string_view CommandHelpPage(int commandId);

// The help id of a control: 0x80000000 + dialog id × 65536 + control id.
constexpr std::uint32_t ControlHelpId(int dialogId, int controlId) {
  return 0x80000000u + static_cast<std::uint32_t>(dialogId) * 65536u + static_cast<std::uint32_t>(controlId);
}

struct CControlHelp {
  int dialogId;
  int controlId;
  std::uint32_t helpId;
  std::string_view text;  // the pop-up text, UTF-8
};

std::span<const CControlHelp> ControlHelpTable();
// The entry of a control, or null when the control has no help id.
const CControlHelp* FindControlHelp(int dialogId, int controlId);
const CControlHelp* FindControlHelpById(std::uint32_t helpId);

// The page a context help request opens: a command's help id (0x10000 +
// command) opens that command's page; any other request opens the contents.
std::string_view HelpPageForContext(std::uint32_t helpId);

// One line of the guide's index: an index word and the page it leads to.
struct CHelpIndexEntry {
  std::string word;  // UTF-8
  std::string_view page;
  friend bool operator==(const CHelpIndexEntry&, const CHelpIndexEntry&) = default;
};

// Every index word of every page and every page title, in Polish alphabetical order.
std::vector<CHelpIndexEntry> HelpIndex();

// The index entries whose word contains every word of the query, then, for
// pages not found that way, the page titles whose page text (pageText(page),
// UTF-8 plain text) contains every word; letter case is ignored, Polish
// letters included. An empty query gives the whole index.
template <typename PageText>
std::vector<CHelpIndexEntry> SearchHelpIndex(std::string_view query, PageText&& pageText);

// Implementation detail of SearchHelpIndex: lower-cased Windows-1250 words of a query.
std::vector<std::string> HelpQueryWords(std::string_view queryUtf8);
bool HelpTextHasAll(std::string_view textUtf8, const std::vector<std::string>& words);

template <typename PageText>
std::vector<CHelpIndexEntry> SearchHelpIndex(std::string_view query, PageText&& pageText) {
  const std::vector<std::string> words = HelpQueryWords(query);
  std::vector<CHelpIndexEntry> found;
  std::vector<std::string_view> pages;
  for (CHelpIndexEntry& entry : HelpIndex()) {
    if (!HelpTextHasAll(entry.word, words)) continue;
    pages.push_back(entry.page);
    found.push_back(std::move(entry));
  }
  if (words.empty()) return found;
  for (const CHelpTopic& topic : HelpTopics()) {
    bool listed = false;
    for (std::string_view page : pages) listed = listed || page == topic.page;
    if (!listed && HelpTextHasAll(std::string(pageText(topic.page)), words))
      found.push_back({std::string(topic.title), topic.page});
  }
  return found;
}

}  // namespace skrybon
