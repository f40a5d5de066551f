// SPDX-License-Identifier: GPL-2.0-or-later
// Driving the paged dialogs that run the data tool: which page shows, a
// label's text, a click on a named button, and a folder's whole state.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStackedWidget>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/whole_file.h"

namespace skrybon::testing {

inline constexpr int kToolTimeoutMs = 60000;  // the tool runs under the sanitizers

inline QString PageOf(QWidget& dialog) {
  return dialog.findChild<QStackedWidget*>(QStringLiteral("pages"))->currentWidget()->objectName();
}
inline QString Text(QWidget& dialog, const char* label) {
  return dialog.findChild<QLabel*>(QString::fromLatin1(label))->text();
}
inline void Click(QWidget& dialog, const char* button) {
  dialog.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// Every regular file under folder (but those whose relative name starts with
// `skipped`, when given) with its bytes.
inline std::map<std::string, std::vector<std::uint8_t>> Snapshot(const std::filesystem::path& folder,
                                                                 const std::string& skipped = {}) {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = std::filesystem::relative(entry.path(), folder).string();
    if (entry.is_regular_file() && (skipped.empty() || !name.starts_with(skipped)))
      ReadWholeFile(entry.path().string(), files[name]);
  }
  return files;
}

}  // namespace skrybon::testing
