// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/profile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "data/codepage.h"
#include "testing/file_size_limit.h"
#include "testing/profile_file_test.h"
#include "ui/profile_file.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public testing::CProfileFileTest {};

TEST_F(ProfileTest, WritesPlainLinesAPersonCanRead) {
  CProfile profile(path_);
  EXPECT_TRUE(profile.WriteProfileInt("Skrybon", "Font height", -10));
  EXPECT_TRUE(profile.WriteProfileString("Skrybon", "Font face name", Cp("Łódź Sans")));
  EXPECT_TRUE(profile.WriteProfileInt("Main Window State", "Style", 16777216));
  EXPECT_EQ(ReadFile(), "[Skrybon]\nFont height=-10\nFont face name=" + Cp("Łódź Sans") +
                            "\n[Main Window State]\nStyle=16777216\n");
  // The face name is stored as Windows-1250 bytes, not UTF-8.
  EXPECT_NE(ReadFile().find("\xA3\xF3" "d\x9F"), std::string::npos);

  const CProfile again(path_);
  EXPECT_EQ(again.GetProfileInt("Skrybon", "Font height", 65535), -10);
  EXPECT_EQ(again.GetProfileString("Skrybon", "Font face name"), Cp("Łódź Sans"));
}

TEST_F(ProfileTest, ASaveChangesOnlyItsValuesAndKeepsEveryOtherByte) {
  // Each row: the file as the user left it, the keys one save changes, the file after it.
  struct Row {
    const char* name;
    std::string before;
    std::vector<CProfileChange> changes;
    std::string after;
  };
  const std::vector<Row> rows = {
      {"CR LF, remarks, blanks and foreign keys",
       "; by hand\r\n[Print Settings]\r\nHeader=1\r\n\r\n[skrybon]\r\n  Font Height = -14  \r\n"
       "Unknown key=abc ; note\r\n\r\n[Other]\r\nx=y\r\n",
       {{"Skrybon", "font height", "-12"}, {"Skrybon", "Character set", "238"}, {"New", "k", "v"}},
       "; by hand\r\n[Print Settings]\r\nHeader=1\r\n\r\n[skrybon]\r\n  Font Height = -12  \r\n"
       "Unknown key=abc ; note\r\nCharacter set=238\r\n\r\n[Other]\r\nx=y\r\n[New]\r\nk=v\r\n"},
      {"a last line without a line end", "[S]\na=1", {{"S", "b", "2"}, {"T", "c", "3"}},
       "[S]\na=1\nb=2\n[T]\nc=3\n"},
      {"a last header without a line end", "x=1\r\n[S]", {{"S", "a", "1"}}, "x=1\r\n[S]\r\na=1\r\n"},
      {"empty values and values with blanks", "[S]\na=\nb =  old  \t\n", {{"S", "a", "1"}, {"S", "b", "new"}},
       "[S]\na=1\nb =  new  \t\n"},
      {"a header with a remark and a nameless section", "[Other]  ; by hand\nx=y\n[]\nstray=1\n",
       {{"Other", "stray", "2"}}, "[Other]  ; by hand\nx=y\nstray=2\n[]\nstray=1\n"},
      {"a section twice: the entry is found in the second, a new key joins the first",
       "[S]\na=1\n; end of first\n\n[S]\nb=2\n", {{"S", "b", "3"}, {"S", "c", "4"}},
       "[S]\na=1\n; end of first\nc=4\n\n[S]\nb=3\n"},
      {"nothing changes", "[S]\r\na=1   \r\n", {{"S", "A", "1"}}, "[S]\r\na=1   \r\n"},
  };
  for (const Row& row : rows) {
    WriteFile(row.before);
    CProfile profile(path_);
    for (const CProfileChange& c : row.changes) profile.SetProfileString(c.section, c.key, c.value);
    EXPECT_EQ(ReadFile(), row.before) << row.name << ": setting a key writes nothing";
    EXPECT_EQ(profile.GetProfileString(row.changes[0].section, row.changes[0].key), row.changes[0].value) << row.name;
    EXPECT_TRUE(profile.Flush()) << row.name;
    EXPECT_EQ(ReadFile(), row.after) << row.name;
    const CProfile again(path_);
    for (const CProfileChange& c : row.changes)
      EXPECT_EQ(again.GetProfileString(c.section, c.key), c.value) << row.name << ": " << c.key;
  }
  // Names match without regard to case; blanks around keys and values go.
  WriteFile("[skrybon]\n  Font Height = -14  \n[Other]  ; by hand\n[]\nstray=1\n");
  const CProfile read(path_);
  EXPECT_EQ(read.GetProfileInt("Skrybon", "font height", 65535), -14);
  EXPECT_EQ(read.GetProfileString("Other", "stray", "none"), "none");
}

TEST_F(ProfileTest, IntegersReadLikeTheWindowsCalls) {
  WriteFile(
      "[S]\nplain=42\nsigned=-7\nplus=+5\ntrailing=12px\ntext=abc\nempty=\n"
      "big=4294967295\nmissing65535=65535\n");
  const CProfile profile(path_);
  EXPECT_EQ(profile.GetProfileInt("S", "plain", 1), 42);
  EXPECT_EQ(profile.GetProfileInt("S", "signed", 1), -7);
  EXPECT_EQ(profile.GetProfileInt("S", "plus", 1), 5);
  EXPECT_EQ(profile.GetProfileInt("S", "trailing", 1), 12);
  EXPECT_EQ(profile.GetProfileInt("S", "text", 1), 0);
  EXPECT_EQ(profile.GetProfileInt("S", "empty", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("S", "absent", 9), 9);
  EXPECT_EQ(profile.GetProfileInt("Nowhere", "plain", 9), 9);
  EXPECT_EQ(profile.GetProfileInt("S", "big", 1), -1);
  // The settings rule: 65535 is both the fallback and "not stored".
  EXPECT_EQ(GetProfileSetting(profile, "S", "plain"), 42);
  EXPECT_EQ(GetProfileSetting(profile, "S", "missing65535"), std::nullopt);
  EXPECT_EQ(GetProfileSetting(profile, "S", "absent"), std::nullopt);
}

TEST_F(ProfileTest, DamagedFilesNeverFailAndStayReadable) {
  std::mt19937 random(7);
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk.push_back(static_cast<char>(random() & 0xFF));
  for (const std::string& text :
       {junk, std::string("[Unclosed\nk=v\n[S]\n=novalue\nnoequals\n[S]\nk=second"),
        std::string(1, '\0') + "[S]\0k=1", std::string(100000, '[')}) {
    WriteFile(text);
    CProfile profile(path_);
    (void)profile.GetProfileInt("S", "k", 1);
    EXPECT_TRUE(profile.WriteProfileInt("S", "written", 5));
    EXPECT_EQ(CProfile(path_).GetProfileInt("S", "written", 1), 5);
  }
  // Two sections of the same name: the first one holding the key answers.
  WriteFile("[S]\na=1\n[S]\nb=2\n");
  CProfile twice(path_);
  EXPECT_EQ(twice.GetProfileInt("S", "b", 0), 2);
  EXPECT_TRUE(twice.WriteProfileInt("S", "b", 3));
  EXPECT_EQ(ReadFile(), "[S]\na=1\n[S]\nb=3\n");
}

TEST_F(ProfileTest, LineBreaksInValuesCannotInventKeys) {
  CProfile profile(path_);
  EXPECT_TRUE(profile.WriteProfileString("S", "name", "a\n[Evil]\nx=1"));
  const CProfile again(path_);
  EXPECT_EQ(again.GetProfileString("S", "x", "none"), "none");
  EXPECT_EQ(again.GetProfileString("Evil", "x", "none"), "none");
}

// No temporary file of a write is ever left beside the profile.
std::vector<std::string> LeftoverTemporaries(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.path().filename().string().ends_with("~")) found.push_back(e.path().string());
  return found;
}

TEST_F(ProfileTest, WritesThatCannotReachTheDiskFailAndKeepTheValueForTheNextSave) {
  // A missing folder, a file where a folder should be.
  std::ofstream(dir_ / "blocker") << "x";
  for (const fs::path& path : {dir_ / "no" / "such" / "skrybon.ini", dir_ / "blocker" / "skrybon.ini"}) {
    CProfile profile(path.string());
    EXPECT_EQ(profile.GetProfileInt("S", "k", 7), 7);
    EXPECT_FALSE(profile.WriteProfileInt("S", "k", 2)) << path;
    EXPECT_FALSE(profile.LastError().empty()) << path;
    EXPECT_EQ(profile.GetProfileInt("S", "k", 0), 2);  // kept for this run
  }
  // A full disk, for a plain profile (replaced by a rename) and for a
  // hard-linked one (written in place): the file stays as it was, and the
  // changes reach it with the next save once there is room.
  const std::string before = "[S]\nold=1\n";
  for (const bool linked : {false, true}) {
    WriteFile(before);
    if (linked) fs::create_hard_link(path_, dir_ / "link.ini");
    CProfile profile(path_);
    profile.SetProfileString("S", "big", std::string(4096, 'x'));
    {
      const testing::CFileSizeLimit full(1024);
      EXPECT_FALSE(profile.Flush()) << linked;
      EXPECT_EQ(profile.LastError(), std::strerror(EFBIG)) << linked;
    }
    EXPECT_EQ(ReadFile(), before) << linked;
    EXPECT_EQ(profile.GetProfileString("S", "big").size(), 4096u);
    EXPECT_TRUE(profile.WriteProfileInt("S", "later", 1)) << linked;
    EXPECT_EQ(CProfile(path_).GetProfileString("S", "big").size(), 4096u) << linked;
    fs::remove(dir_ / "link.ini");
  }
  EXPECT_EQ(LeftoverTemporaries(dir_), std::vector<std::string>{});
  // A folder where nothing may be created (the lock file neither): the reason
  // is the creation's, not that of the retry that only opens.
  if (fs::is_directory("/sys/kernel")) {
    CProfile profile("/sys/skrybon.ini");
    EXPECT_FALSE(profile.WriteProfileInt("S", "k", 2));
    EXPECT_EQ(profile.LastError(), std::strerror(EACCES));
  }
}

TEST_F(ProfileTest, ALockHeldByAnotherCopyDelaysAReadOrASaveOnlyBriefly) {
  using namespace std::chrono;
  WriteFile("[S]\na=1\n");
  CProfile patient(path_, seconds(5));
  const int held = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);  // another open file: another copy, as far as flock is concerned
  constexpr milliseconds kWait(150);
  const auto start = steady_clock::now();
  CProfile profile(path_, kWait);
  EXPECT_EQ(profile.GetProfileInt("S", "a", 0), 1);  // read without the lock
  EXPECT_FALSE(profile.WriteProfileInt("S", "a", 2));
  EXPECT_TRUE(profile.LockBusy());
  const auto waited = steady_clock::now() - start;
  EXPECT_GE(waited, 2 * kWait);
  EXPECT_LT(waited, seconds(3));
  EXPECT_EQ(ReadFile(), "[S]\na=1\n");

  // Released while a save waits: the save goes through, with the kept change.
  std::thread release([held] {
    std::this_thread::sleep_for(milliseconds(100));
    ::close(held);
  });
  patient.SetProfileInt("S", "b", 3);
  EXPECT_TRUE(patient.Flush());
  release.join();
  EXPECT_TRUE(profile.Flush());
  EXPECT_FALSE(profile.LockBusy());
  EXPECT_EQ(ReadFile(), "[S]\na=2\nb=3\n");
}

TEST_F(ProfileTest, AProfileThatExistsButCannotBeReadIsNeverWritten) {
  struct Row {
    const char* name;
    std::function<void(const std::string&)> make;
    std::function<bool(const std::string&)> unchanged;
  };
  const std::vector<Row> rows = {
      {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       [](const std::string& p) { return fs::is_fifo(p); }},
      {"a folder", [](const std::string& p) { fs::create_directory(p); },
       [](const std::string& p) { return fs::is_directory(p) && fs::is_empty(p); }},
      {"a loop of links",
       [this](const std::string& p) {
         fs::create_symlink(dir_ / "other.ini", p);
         fs::create_symlink(p, dir_ / "other.ini");
       },
       [](const std::string& p) { return fs::is_symlink(p); }},
      {"a file too large to be a profile",
       [](const std::string& p) {
         std::ofstream(p) << "[Skrybon]\nFont height=-20\n";
         fs::resize_file(p, kLargestProfile + 1);  // sparse: costs no disk
       },
       [](const std::string& p) { return fs::file_size(p) == kLargestProfile + 1; }},
  };
  for (const Row& row : rows) {
    const testing::CTempFolder folder("skrybon-unreadable");
    const std::string path = (folder.Path() / "skrybon.ini").string();
    row.make(path);
    CProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Skrybon", "Font height", 7), 7) << row.name;
    EXPECT_FALSE(profile.WriteProfileInt("Skrybon", "Font height", -12)) << row.name;
    EXPECT_EQ(profile.GetProfileInt("Skrybon", "Font height", 7), -12) << row.name << ": kept for this run";
    EXPECT_FALSE(profile.Flush()) << row.name;
    EXPECT_TRUE(row.unchanged(path)) << row.name;
    EXPECT_EQ(LeftoverTemporaries(folder.Path()), std::vector<std::string>{}) << row.name;
  }
}

TEST_F(ProfileTest, ASaveKeepsTheFilesModeAndLinks) {
  const std::string before = "[S]\na=1\n";
  const std::string after = "[S]\na=2\n";
  // A private profile stays private.
  for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                               fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
    WriteFile(before);
    fs::permissions(path_, mode);
    EXPECT_TRUE(CProfile(path_).WriteProfileInt("S", "a", 2));
    EXPECT_EQ(fs::status(path_).permissions(), mode);
  }
  // A symbolic link stays a link, and the file it names gets the new text.
  fs::create_directory(dir_ / "real");
  const fs::path real = dir_ / "real" / "skrybon.ini";
  fs::remove(path_);
  std::ofstream(real) << before;
  fs::create_symlink(real, path_);
  EXPECT_TRUE(CProfile(path_).WriteProfileInt("S", "a", 2));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadFile(), after);
  // A hard link keeps naming the same file: both names see the new text.
  fs::remove(path_);
  WriteFile(before);
  fs::create_hard_link(path_, dir_ / "hard.ini");
  EXPECT_TRUE(CProfile(path_).WriteProfileInt("S", "a", 2));
  EXPECT_TRUE(fs::equivalent(path_, dir_ / "hard.ini"));
  EXPECT_EQ(fs::hard_link_count(path_), 2u);
  EXPECT_EQ(ReadFile(), after);
  // A longer and a shorter text written in place leave no stale bytes behind.
  CProfile linked(path_);
  EXPECT_TRUE(linked.WriteProfileString("S", "a", std::string(100, 'z')));
  EXPECT_TRUE(linked.WriteProfileString("S", "a", "3"));
  EXPECT_EQ(ReadFile(), "[S]\na=3\n");
  EXPECT_EQ(LeftoverTemporaries(dir_), std::vector<std::string>{});
}

TEST_F(ProfileTest, OneSaveIsOneWriteAndAnUnchangedSaveWritesNothing) {
  WriteFile("[Skrybon]\nFont height=-10\n");
  CProfile profile(path_);
  // The file is read once: what another program writes later is not read
  // back, but a save merges into it.
  WriteFile("[Skrybon]\nFont height=-10\n[Print Settings]\nHeader=0\n");
  EXPECT_EQ(profile.GetProfileInt("Print Settings", "Header", 7), 7);
  for (int i = 0; i < 17; ++i) profile.SetProfileInt("Skrybon", "Key " + std::to_string(i), i);
  profile.SetProfileInt("Skrybon", "Font height", -10);
  const auto inode = [this] {
    struct stat st {};
    ::stat(path_.c_str(), &st);
    return st.st_ino;
  };
  const auto first = inode();
  EXPECT_TRUE(profile.Flush());
  EXPECT_NE(inode(), first);
  const CProfile after(path_);
  EXPECT_EQ(after.GetProfileInt("Skrybon", "Key 16", 0), 16);
  EXPECT_EQ(after.GetProfileInt("Print Settings", "Header", 7), 0);
  EXPECT_EQ(profile.GetProfileInt("Print Settings", "Header", 7), 0);  // the merge is now what it holds
  // The same values again: the file is not replaced at all.
  const auto second = inode();
  for (int i = 0; i < 17; ++i) profile.SetProfileInt("Skrybon", "Key " + std::to_string(i), i);
  EXPECT_TRUE(profile.Flush());
  EXPECT_EQ(inode(), second);
}

TEST_F(ProfileTest, CopiesSavingAtOnceNeverLoseAByteOfEachOther) {
  // Two processes save the same profile at the same moment, each several
  // times; whatever the order, every key of both and every byte of the
  // user's own text must be there afterwards.
  const std::string user = "; by hand\r\n[Print Settings]\r\nHeader=1 \r\n\r\n";
  constexpr int kCopies = 2;
  constexpr int kKeys = 4;
  for (int round = 0; round < 20; ++round) {
    WriteFile(user);
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
      const pid_t pid = ::fork();
      ASSERT_GE(pid, 0);
      if (pid == 0) {
        ::close(go[1]);
        char start;
        (void)::read(go[0], &start, 1);  // returns when the parent closes its end
        CProfile profile(path_);
        bool ok = true;
        for (int k = 0; k < kKeys; ++k)
          ok = profile.WriteProfileInt("Copy " + std::to_string(copy), "Key " + std::to_string(k), round * 100 + k) && ok;
        ::_exit(ok ? 0 : 1);
      }
      copies.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t pid : copies) {
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    const std::string text = ReadFile();
    EXPECT_EQ(text.substr(0, user.size()), user) << "round " << round;
    const CProfile after(path_);
    for (int copy = 0; copy < kCopies; ++copy)
      for (int k = 0; k < kKeys; ++k)
        ASSERT_EQ(after.GetProfileInt("Copy " + std::to_string(copy), "Key " + std::to_string(k), -1), round * 100 + k)
            << "round " << round << ", copy " << copy << ", key " << k << "\n" << text;
  }
  EXPECT_EQ(LeftoverTemporaries(dir_), std::vector<std::string>{});
}

TEST_F(ProfileTest, DefaultPathFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  const std::string config = (dir_ / "cfg").string();
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  EXPECT_EQ(CProfile::DefaultPath("skrybon"), config + "/skrybon.ini");
  EXPECT_TRUE(fs::is_directory(config));
  ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  if (!home.empty()) {
    EXPECT_EQ(CProfile::DefaultPath("x"), home + "/.config/x.ini");
  }
  if (old) {
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace skrybon
