// SPDX-License-Identifier: GPL-2.0-or-later
// Where the program and the data tool look for the translations. The
// candidates, in order: the folder named by SKRYBON_DATA, the current folder,
// $XDG_DATA_HOME/skrybon (~/.local/share/skrybon), then skrybon under each
// folder of $XDG_DATA_DIRS (/usr/local/share:/usr/share). Each translation
// comes from the first of them holding its index (translation_folders.h); a
// folder given with --data is the only one, for all three, whatever it holds,
// so a wrong one is reported rather than passed over; a translation found
// nowhere is named with the current folder. Every path is absolute, so the
// choice holds for the whole run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/translation_folders.h"

namespace skrybon {

// What the choice depends on: the --data option and the process environment
// (an unset variable is nullopt). currentFolder is absolute.
struct DataFolderSources {
  std::optional<std::string> dataOption;
  std::optional<std::string> skrybonData;
  std::string currentFolder;
  std::optional<std::string> xdgDataHome;
  std::optional<std::string> home;
  std::optional<std::string> xdgDataDirs;
};

// The sources of this process: its environment and current folder.
DataFolderSources ProcessDataFolderSources(std::optional<std::string> dataOption);

// The candidate folders in the order they are tried (without the --data one).
std::vector<std::string> DataFolderCandidates(const DataFolderSources& sources);

// The user's own data folder, $XDG_DATA_HOME/skrybon or ~/.local/share/skrybon
// (nullopt when neither variable gives an absolute folder): the import writes there.
std::optional<std::string> UserDataFolder(const DataFolderSources& sources);

// The folders to look in: see the contract above.
TranslationFolders ResolveTranslationFolders(const DataFolderSources& sources);

// ResolveTranslationFolders over this process's sources.
TranslationFolders ProcessTranslationFolders(std::optional<std::string> dataOption);

}  // namespace skrybon
