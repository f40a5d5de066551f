// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/file_set_write.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

#include "data/file_io.h"
#include "data/whole_file.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKeptEnding = ".old~";
// The journal's word for a target that had no file before.
constexpr std::string_view kNoOldFile = "-";

std::string KeptName(const std::string& target, std::string_view random) {
  return target + "." + std::string(random) + std::string(kKeptEnding);
}

// A set of renames cannot be one atomic step. Before the first rename every
// target that exists gets a second name ("<target>.<random>.old~", a hard link,
// so it costs no space; a copy where the file system has no hard links).
// Should a rename fail halfway, the renamed targets get their old files back
// from those names, so the set is again the old one. The extra names are
// removed once everything is in place; until then the journal names them.
class CKeptOldFile {
 public:
  // Gives target a second name when there is a file to keep. A folder in
  // the target's place is left alone: no rename can replace it, so its
  // rename fails and the set is put back.
  FileWriteResult Keep(const std::string& target) {
    std::error_code ec;
    const auto status = fs::symlink_status(target, ec);
    existed_ = fs::exists(status);
    if (!existed_ || fs::is_directory(status)) return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string part = RandomNamePart();
      const std::string name = KeptName(target, part);
      if (::link(target.c_str(), name.c_str()) != 0) {
        if (errno == EEXIST) continue;
        // No hard links here (a FAT stick, some network folders): a copy does.
        if (!fs::copy_file(target, name, ec)) {
          if (ec == std::errc::file_exists) continue;
          return {target + ": " + ec.message()};
        }
      }
      kept_ = name;
      random_ = part;
      return {};
    }
    return {target + ": " + SystemReason(EEXIST)};
  }

  // Puts the old file back over target, or removes target when there was none.
  FileWriteResult Restore(const std::string& target) {
    bool ok = true;
    if (!kept_.empty()) ok = ::rename(kept_.c_str(), target.c_str()) == 0;
    else if (!existed_) ok = ::unlink(target.c_str()) == 0;
    if (!ok) return {SystemReason(errno)};
    kept_.clear();
    return {};
  }

  const std::string& Name() const { return kept_; }
  // The random part of the second name, or "-" when there is none.
  std::string_view JournalWord() const { return kept_.empty() ? kNoOldFile : std::string_view(random_); }

  // Removes the extra name (the old contents are no longer needed).
  void Drop() {
    if (!kept_.empty()) ::unlink(kept_.c_str());
    kept_.clear();
  }

 private:
  std::string kept_;
  std::string random_;
  bool existed_ = false;
};

// One line per target: its path relative to the journal's folder, a tab, and
// the random part of its kept old file's name or "-".
struct JournalLine {
  std::string name;
  std::string word;
};

std::vector<JournalLine> ParseJournal(std::string_view text, std::span<const std::string> names,
                                      std::string& error) {
  std::vector<JournalLine> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const auto tab = line.find('\t');
    JournalLine entry{std::string(line.substr(0, tab)),
                      std::string(tab == std::string_view::npos ? "" : line.substr(tab + 1))};
    if (std::find(names.begin(), names.end(), entry.name) == names.end() ||
        (entry.word != kNoOldFile && !IsRandomNamePart(entry.word))) {
      error = "damaged journal (line " + std::to_string(lines.size() + 1) + ")";
      return {};
    }
    lines.push_back(std::move(entry));
  }
  return lines;
}

}  // namespace

FileWriteResult CFileSetWrite::Stage(const std::string& name, std::span<const std::uint8_t> data) {
  CStagedFile file(folder_ + "/" + name);
  if (auto written = file.Write(data); !written) return written;
  files_.push_back(std::move(file));
  names_.push_back(name);
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
  if (!journal_.empty()) {
    std::string text;
    for (std::size_t i = 0; i < files_.size(); ++i) {
      text += names_[i] + "\t" + std::string(old[i].JournalWord()) + "\n";
    }
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (auto written = WriteFileAtomically(journal_, bytes); !written) {
      dropAll();
      return {journal_ + ": " + written.error};
    }
  }
  // The journal goes last: once it is gone, the new set counts as complete.
  for (std::size_t i = 0; i <= files_.size(); ++i) {
    FileWriteResult renamed;
    if (i < files_.size()) renamed = files_[i].Commit();
    else if (!journal_.empty() && ::unlink(journal_.c_str()) != 0) renamed = {SystemReason(errno)};
    if (renamed) continue;
    std::string error = (i < files_.size() ? files_[i].Target() : journal_) + ": " + renamed.error;
    bool restored = true;
    for (std::size_t k = std::min(i, files_.size()); k-- > 0;) {
      if (auto back = old[k].Restore(files_[k].Target()); !back) {
        error += "; " + files_[k].Target() + " could not be put back (" + back.error + ")";
        if (!old[k].Name().empty()) error += ", its old contents are in " + old[k].Name();
        old[k] = CKeptOldFile();  // keep that copy on the disk
        restored = false;
      }
    }
    if (restored && !journal_.empty()) ::unlink(journal_.c_str());
    dropAll();
    return {error};
  }
  if (!journal_.empty()) SyncFolder(folder_);
  dropAll();
  files_.clear();
  names_.clear();
  return {};
}

FileWriteResult UndoUnfinishedSet(const std::string& folder, const std::string& journalName,
                                  std::span<const std::string> names) {
  const std::string journal = folder + "/" + journalName;
  std::vector<std::uint8_t> bytes;
  std::size_t size = 0;
  const auto read = ReadWholeFileInto(
      journal,
      [&bytes](std::size_t n) {
        bytes.resize(n);
        return bytes.data();
      },
      size, 64 * 1024);
  if (!read) return {journal + ": " + (read.Missing() ? "missing" : read.reason)};
  std::string error;
  const auto lines =
      ParseJournal(std::string_view(reinterpret_cast<const char*>(bytes.data()), size), names, error);
  if (!error.empty()) return {journal + ": " + error};
  std::set<std::string> touched;
  for (const auto& line : lines) {
    const std::string target = WriteTarget(folder + "/" + line.name, error);
    if (!error.empty()) return {folder + "/" + line.name + ": " + error};
    int failed = 0;
    if (line.word == kNoOldFile) {
      // A folder there was never replaced: its rename cannot have succeeded.
      if (::unlink(target.c_str()) != 0 && errno != ENOENT && errno != EISDIR) failed = errno;
    } else if (const std::string kept = KeptName(target, line.word); ::access(kept.c_str(), F_OK) == 0) {
      // While both names still are one file, rename does nothing: the extra name goes.
      if (::rename(kept.c_str(), target.c_str()) != 0 || (::unlink(kept.c_str()) != 0 && errno != ENOENT)) {
        failed = errno;
      }
    }  // no kept file: put back already, by an earlier undo cut short
    if (failed != 0) return {target + ": " + SystemReason(failed)};
    touched.insert(FolderOf(target));
  }
  for (const auto& f : touched) SyncFolder(f);
  if (::unlink(journal.c_str()) != 0) return {journal + ": " + SystemReason(errno)};
  SyncFolder(folder);
  return {};
}

std::string_view LeftoverTarget(std::string_view fileName) {
  if (!fileName.ends_with('~')) return {};
  std::string_view rest = fileName.ends_with(kKeptEnding) ? fileName.substr(0, fileName.size() - kKeptEnding.size())
                                                          : fileName.substr(0, fileName.size() - 1);
  if (rest.size() < kRandomNamePartLength + 2 || rest[rest.size() - kRandomNamePartLength - 1] != '.' ||
      !IsRandomNamePart(rest.substr(rest.size() - kRandomNamePartLength))) {
    return {};
  }
  return rest.substr(0, rest.size() - kRandomNamePartLength - 1);
}

}  // namespace skrybon
