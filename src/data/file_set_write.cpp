// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/file_set_write.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace skrybon {
namespace {

// A set of renames cannot be one atomic step. Before the first rename every
// target that exists gets a second name ("<target>.<random>.old~", a hard link,
// so it costs no space; a copy where the file system has no hard links).
// Should a rename fail halfway, the renamed targets get their old files back
// from those names, so the set is again the old one. The extra names are
// removed once everything is in place. Only a crash between the first and the
// last rename can leave a mixture; the old files then stay under their .old~
// names, and the check of the data folder names any book file that does not
// match the index.
class CKeptOldFile {
 public:
  // Gives target a second name when there is a file to keep. A folder in
  // the target's place is left alone: no rename can replace it, so its
  // rename fails and the set is put back.
  FileWriteResult Keep(const std::string& target) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(target, ec);
    existed_ = std::filesystem::exists(status);
    if (!existed_ || std::filesystem::is_directory(status)) return {};
    std::random_device seed;
    std::mt19937_64 random(seed());
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = target + ".";
      for (int i = 0; i < 8; ++i) name += kDigits[random() % (sizeof kDigits - 1)];
      name += ".old~";
      if (::link(target.c_str(), name.c_str()) == 0) {
        kept_ = name;
        return {};
      }
      if (errno == EEXIST) continue;
      // No hard links here (a FAT stick, some network folders): a copy does.
      if (std::filesystem::copy_file(target, name, ec)) {
        kept_ = name;
        return {};
      }
      if (ec == std::errc::file_exists) continue;
      return {target + ": " + ec.message()};
    }
    return {target + ": " + std::strerror(EEXIST)};
  }

  // Puts the old file back over target, or removes target when there was none.
  FileWriteResult Restore(const std::string& target) {
    bool ok = true;
    if (!kept_.empty()) ok = ::rename(kept_.c_str(), target.c_str()) == 0;
    else if (!existed_) ok = ::unlink(target.c_str()) == 0;
    if (!ok) return {std::strerror(errno)};
    kept_.clear();
    return {};
  }

  const std::string& Name() const { return kept_; }

  // Removes the extra name (the old contents are no longer needed).
  void Drop() {
    if (!kept_.empty()) ::unlink(kept_.c_str());
    kept_.clear();
  }

 private:
  std::string kept_;
  bool existed_ = false;
};

}  // namespace

FileWriteResult CFileSetWrite::Stage(const std::string& path, std::span<const std::uint8_t> data) {
  CStagedFile file(path);
  if (auto written = file.Write(data); !written) return written;
  files_.push_back(std::move(file));
  return {};
}

FileWriteResult CFileSetWrite::Commit() {
  std::vector<CKeptOldFile> old(files_.size());
  auto dropAll = [&old] {
    for (auto& kept : old) kept.Drop();
  };
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (auto kept = old[i].Keep(files_[i].Target()); !kept) {
      dropAll();
      return kept;
    }
  }
  for (std::size_t i = 0; i < files_.size(); ++i) {
    auto renamed = files_[i].Commit();
    if (renamed) continue;
    std::string error = files_[i].Target() + ": " + renamed.error;
    for (std::size_t k = i; k-- > 0;) {
      if (auto restored = old[k].Restore(files_[k].Target()); !restored) {
        error += "; " + files_[k].Target() + " could not be put back (" + restored.error + ")";
        if (!old[k].Name().empty()) error += ", its old contents are in " + old[k].Name();
        old[k] = CKeptOldFile();  // keep that copy on the disk
      }
    }
    dropAll();
    return {error};
  }
  dropAll();
  files_.clear();
  return {};
}

}  // namespace skrybon
