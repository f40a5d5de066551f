// SPDX-License-Identifier: GPL-2.0-or-later
// Where the program and the data tool find the main folder. The candidates,
// in order: the folder given with --data, the folder named by SKRYBON_DATA,
// the current folder, $XDG_DATA_HOME/skrybon (~/.local/share/skrybon), then
// skrybon under each folder of $XDG_DATA_DIRS (/usr/local/share:/usr/share).
// The first that holds the BG index wins; a folder given with --data is taken
// as it is, whatever it holds, so a wrong one is reported rather than passed
// over; when no candidate holds an index the current folder is used. Every
// path returned is absolute, so the choice holds for the whole run.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// The main folder: see the contract above. holdsIndex tells whether a folder
// holds the BG index file.
std::string ResolveDataFolder(const DataFolderSources& sources,
                              const std::function<bool(const std::string&)>& holdsIndex);

// ResolveDataFolder over this process's sources and the real file system.
std::string ResolveProcessDataFolder(std::optional<std::string> dataOption);

}  // namespace skrybon
