#include "ui/profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "data/codepage.h"
#include "testing/profile_file_test.h"

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

TEST_F(ProfileTest, KeepsForeignSectionsKeysCommentsAndOrder) {
  const std::string original =
      "; settings written by hand\r\n"
      "[Print Settings]\r\n"
      "Header=1\r\n"
      "\r\n"
      "[skrybon]\r\n"
      "  Font Height = -14  \r\n"
      "Unknown key=abc\r\n"
      "\r\n"
      "[Other]\r\n"
      "x=y\r\n";
  WriteFile(original);
  CProfile profile(path_);
  // Names match without regard to case; blanks around keys and values go.
  EXPECT_EQ(profile.GetProfileInt("Skrybon", "Font height", 65535), -14);
  EXPECT_TRUE(profile.WriteProfileInt("Skrybon", "font height", -12));
  EXPECT_TRUE(profile.WriteProfileInt("Skrybon", "Character set", 238));
  EXPECT_EQ(ReadFile(),
            "; settings written by hand\n"
            "[Print Settings]\n"
            "Header=1\n"
            "\n"
            "[skrybon]\n"
            "Font Height=-12\n"
            "Unknown key=abc\n"
            "Character set=238\n"
            "\n"
            "[Other]\n"
            "x=y\n");
}

TEST_F(ProfileTest, SectionHeadersGoBackAsWrittenSoNoKeyChangesSection) {
  // A header with a remark after it, and a section without a name: rewriting
  // the file must neither drop the remark nor fold "stray" into [Other].
  WriteFile("[Other]  ; by hand\nx=y\n[]\nstray=1\n");
  CProfile profile(path_);
  EXPECT_TRUE(profile.WriteProfileInt("Skrybon", "Font height", -10));
  EXPECT_EQ(ReadFile(), "[Other]  ; by hand\nx=y\n[]\nstray=1\n[Skrybon]\nFont height=-10\n");
  const CProfile again(path_);
  EXPECT_EQ(again.GetProfileString("Other", "x"), "y");
  EXPECT_EQ(again.GetProfileString("Other", "stray", "none"), "none");
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

TEST_F(ProfileTest, TwoCopiesOfTheProgramKeepEachOthersKeys) {
  WriteFile("[Print Settings]\nHeader=1\n");
  CProfile first(path_);
  CProfile second(path_);
  EXPECT_TRUE(first.WriteProfileInt("Print Settings", "Header", 0));
  EXPECT_TRUE(first.WriteProfileInt("Print Settings", "Footer", 1));
  // The second copy writes later from what it read at its start.
  EXPECT_TRUE(second.WriteProfileInt("Skrybon", "Font height", -12));
  EXPECT_EQ(ReadFile(), "[Print Settings]\nHeader=0\nFooter=1\n[Skrybon]\nFont height=-12\n");
  EXPECT_EQ(second.GetProfileInt("Print Settings", "Footer", 7), 1);
}

TEST_F(ProfileTest, LineBreaksInValuesCannotInventKeys) {
  CProfile profile(path_);
  EXPECT_TRUE(profile.WriteProfileString("S", "name", "a\n[Evil]\nx=1"));
  const CProfile again(path_);
  EXPECT_EQ(again.GetProfileString("S", "x", "none"), "none");
  EXPECT_EQ(again.GetProfileString("Evil", "x", "none"), "none");
}

TEST_F(ProfileTest, WritesThatCannotReachTheDiskFailQuietlyAndKeepTheValue) {
  // A missing folder, a file where a folder should be, a folder where the file should be.
  std::ofstream(dir_ / "blocker") << "x";
  fs::create_directories(dir_ / "taken.ini");
  for (const fs::path& path : {dir_ / "no" / "such" / "skrybon.ini", dir_ / "blocker" / "skrybon.ini",
                               dir_ / "taken.ini"}) {
    CProfile profile(path.string());
    EXPECT_EQ(profile.GetProfileInt("S", "k", 7), 7);
    EXPECT_FALSE(profile.WriteProfileInt("S", "k", 2)) << path;
    EXPECT_EQ(profile.GetProfileInt("S", "k", 0), 2);  // kept for this run
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "taken.ini"));
  // No temporary files are left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 2);
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
