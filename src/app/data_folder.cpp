// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>


namespace skrybon {
namespace {

constexpr std::string_view kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr std::string_view kProgramFolder = "skrybon";

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// A folder as given by the user: relative to the current folder, normalised.
std::string Absolute(const std::string& folder, const std::string& currentFolder) {
  const std::filesystem::path path(folder);
  const std::filesystem::path absolute = path.is_absolute() ? path : std::filesystem::path(currentFolder) / path;
  std::string text = absolute.lexically_normal().string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// Base directory variables count only when they hold an absolute path.
bool IsAbsoluteBase(const std::optional<std::string>& value) {
  return value && !value->empty() && value->front() == '/';
}

std::string Beneath(const std::string& base, std::string_view name) {
  return (std::filesystem::path(base) / name).lexically_normal().string();
}

}  // namespace

DataFolderSources ProcessDataFolderSources(std::optional<std::string> dataOption) {
  std::error_code ec;
  const std::filesystem::path working = std::filesystem::current_path(ec);
  std::string current = ec ? std::string(1, '/') : working.string();
  return {std::move(dataOption), Environment("SKRYBON_DATA"), std::move(current),
          Environment("XDG_DATA_HOME"), Environment("HOME"), Environment("XDG_DATA_DIRS")};
}

std::optional<std::string> UserDataFolder(const DataFolderSources& sources) {
  if (IsAbsoluteBase(sources.xdgDataHome)) return Beneath(*sources.xdgDataHome, kProgramFolder);
  if (IsAbsoluteBase(sources.home)) return Beneath(*sources.home + "/.local/share", kProgramFolder);
  return std::nullopt;
}

std::vector<std::string> DataFolderCandidates(const DataFolderSources& sources) {
  std::vector<std::string> candidates;
  const auto add = [&candidates](std::string folder) {
    for (const auto& known : candidates) {
      if (known == folder) return;
    }
    candidates.push_back(std::move(folder));
  };
  if (sources.skrybonData && !sources.skrybonData->empty()) {
    add(Absolute(*sources.skrybonData, sources.currentFolder));
  }
  add(Absolute(".", sources.currentFolder));
  if (auto user = UserDataFolder(sources)) add(*user);
  std::string_view dirs = sources.xdgDataDirs && !sources.xdgDataDirs->empty() ? *sources.xdgDataDirs
                                                                                 : kDefaultDataDirs;
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    const std::string dir(dirs.substr(0, colon));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (IsAbsoluteBase(dir)) add(Beneath(dir, kProgramFolder));
  }
  return candidates;
}

TranslationFolders ResolveTranslationFolders(const DataFolderSources& sources) {
  const std::string current = Absolute(".", sources.currentFolder);
  if (sources.dataOption) {
    const std::string given = Absolute(*sources.dataOption, sources.currentFolder);
    return {{given}, given};
  }
  return {DataFolderCandidates(sources), current};
}

TranslationFolders ProcessTranslationFolders(std::optional<std::string> dataOption) {
  return ResolveTranslationFolders(ProcessDataFolderSources(std::move(dataOption)));
}

}  // namespace skrybon
