// SPDX-License-Identifier: GPL-2.0-or-later
// Where each translation lives. The folders are tried in order for each
// translation on its own: the first that holds its index file ("bg.idx"...)
// is that translation's folder, with its book files and alias file beside it;
// a translation none of them holds is not installed and is named with the
// fallback folder. So a machine-wide BG and a user's own BT work together.
// A file's identity (device, inode, size, modification time) tells whether
// an index was replaced since it was read.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/translation.h"

namespace skrybon {

struct TranslationFolders {
  std::vector<std::string> lookIn;  // in order; one folder when the user named it
  std::string fallback;             // named for a translation no folder holds
};

// The folder of a translation: the first of lookIn in which exists(path of
// its index) holds, else the fallback; found tells which.
struct TranslationFolder {
  std::string folder;
  bool found = false;
};
TranslationFolder FindTranslationFolder(const TranslationFolders& folders, TranslationId id,
                                        const std::function<bool(const std::string&)>& exists);
// The same over the real file system: any kind of file counts (a damaged one
// must be reported, not passed over); a dangling link does not.
TranslationFolder FindTranslationFolder(const TranslationFolders& folders, TranslationId id);

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at path, or nullopt when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);

}  // namespace skrybon
