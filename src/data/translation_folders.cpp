// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_folders.h"

#include <sys/stat.h>

namespace skrybon {

TranslationFolder FindTranslationFolder(const TranslationFolders& folders, TranslationId id,
                                        const std::function<bool(const std::string&)>& exists) {
  const std::string name = IndexFileName(id);
  for (const std::string& folder : folders.lookIn) {
    if (exists(folder + "/" + name)) return {folder, true};
  }
  return {folders.fallback, false};
}

TranslationFolder FindTranslationFolder(const TranslationFolders& folders, TranslationId id) {
  return FindTranslationFolder(folders, id, [](const std::string& path) { return IdentityOf(path).has_value(); });
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                      static_cast<std::int64_t>(info.st_size),
                      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

}  // namespace skrybon
