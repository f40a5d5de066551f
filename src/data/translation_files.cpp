// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_files.h"

#include <algorithm>

#include "data/book_file.h"
#include "data/file_set_write.h"

namespace skrybon {

namespace fs = std::filesystem;

std::vector<std::string> TranslationFileNames(TranslationId id) {
  std::vector<std::string> names = {IndexFileName(id), AliasFileName(id)};
  for (int book = 0; book < BookCount(id); ++book) names.push_back(BookFilePath(kBookFolder, id, book));
  return names;
}

bool HasUnfinishedImport(const std::string& folder, TranslationId id) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(folder + "/" + ImportJournalName(id), ec));
}

FileWriteResult UndoUnfinishedImport(const std::string& folder, TranslationId id) {
  if (!HasUnfinishedImport(folder, id)) return {};
  return UndoUnfinishedSet(folder, ImportJournalName(id), TranslationFileNames(id));
}

std::vector<std::string> FindLeftovers(const std::string& folder, TranslationId id, fs::file_time_type olderThan) {
  std::vector<std::string> ours = TranslationFileNames(id);
  ours.push_back(ImportJournalName(id));
  std::vector<std::string> found;
  for (const std::string& subfolder : {std::string(), std::string(kBookFolder) + "/"}) {
    std::error_code ec;
    for (fs::directory_iterator it(folder + "/" + subfolder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      const std::string_view target = LeftoverTarget(name);
      if (target.empty() || std::find(ours.begin(), ours.end(), subfolder + std::string(target)) == ours.end()) {
        continue;
      }
      std::error_code statError;
      if (!it->is_regular_file(statError) || it->is_symlink(statError)) continue;
      const auto changed = fs::last_write_time(it->path(), statError);
      if (statError || changed >= olderThan) continue;
      found.push_back(subfolder + name);
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::optional<std::string> CNewFolders::Make(const fs::path& folder) {
  std::vector<fs::path> missing;
  for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
    std::error_code ec;
    if (fs::exists(p, ec)) break;
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return "cannot create folder " + folder.string() + ": " + ec.message();
  made_ = std::move(missing);
  return std::nullopt;
}

CNewFolders::~CNewFolders() {
  for (const auto& p : made_) {
    std::error_code ignored;
    fs::remove(p, ignored);
  }
}

FileWriteResult RemoveLeftovers(const std::string& folder, const std::vector<std::string>& names) {
  FileWriteResult result;
  for (const auto& name : names) {
    std::error_code ec;
    if (fs::remove(folder + "/" + name, ec); ec && result) result = {name + ": " + ec.message()};
  }
  return result;
}

}  // namespace skrybon
