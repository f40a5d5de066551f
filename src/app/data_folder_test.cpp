// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <set>

#include "testing/temp_folder.h"

namespace skrybon {
namespace {

DataFolderSources Base() {
  DataFolderSources s;
  s.currentFolder = "/work/here";
  s.home = "/home/ala";
  return s;
}

TEST(DataFolderTest, CandidatesFollowTheEnvironment) {
  struct Case {
    const char* what;
    DataFolderSources sources;
    std::vector<std::string> expected;
  };
  const std::string here = "/work/here", home = "/home/ala", user = "/home/ala/.local/share/skrybon";
  DataFolderSources atRoot = Base();
  atRoot.currentFolder = std::string("/");  // a move: g++ 12 at -O3 misreads assigning a short literal
  const std::vector<std::string> defaults = {"/usr/local/share/skrybon", "/usr/share/skrybon"};
  const auto with = [&defaults](std::vector<std::string> first) {
    first.insert(first.end(), defaults.begin(), defaults.end());
    return first;
  };
  const Case cases[] = {
      {"defaults", Base(), with({here, user})},
      {"every variable set",
       {.skrybonData = "dane/../biblia/", .currentFolder = here, .xdgDataHome = "/xdg/home", .home = home,
        .xdgDataDirs = "/opt/share::relative/share:/usr/share/"},
       {"/work/here/biblia", "/work/here", "/xdg/home/skrybon", "/opt/share/skrybon", "/usr/share/skrybon"}},
      {"empty variables count as unset",
       {.skrybonData = std::string(), .currentFolder = here, .xdgDataHome = std::string(), .home = home,
        .xdgDataDirs = std::string()},
       with({here, user})},
      {"a relative XDG_DATA_HOME is ignored", {.currentFolder = here, .xdgDataHome = "share", .home = home},
       with({here, user})},
      {"no home, no user folder", {.currentFolder = here}, with({here})},
      {"a folder is tried once", {.currentFolder = user, .home = home}, with({user})},
      {"started at the root", atRoot, with({"/", user})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DataFolderCandidates(c.sources), c.expected) << c.what;
  }
}

// Each translation comes from the first folder holding its own index.
TEST(DataFolderTest, EachTranslationFromTheFirstFolderHoldingItsIndex) {
  struct Case {
    const char* what;
    std::optional<std::string> dataOption;
    std::set<std::string> indexes;
    std::array<std::string, 3> expected;  // BG, BW, BT
  };
  const std::string user = "/home/ala/.local/share/skrybon";
  const Case cases[] = {
      {"all three in SKRYBON_DATA, before the current folder", std::nullopt,
       {"/env/bg.idx", "/env/bw.idx", "/env/bt.idx", "/work/here/bg.idx"}, {"/env", "/env", "/env"}},
      {"machine-wide BG, the user's own BT", std::nullopt, {"/usr/share/skrybon/bg.idx", user + "/bt.idx"},
       {"/usr/share/skrybon", "/work/here", user}},
      {"user folder before the system's", std::nullopt, {user + "/bw.idx", "/usr/share/skrybon/bw.idx"},
       {"/work/here", user, "/work/here"}},
      {"none: the current folder names them", std::nullopt, {}, {"/work/here", "/work/here", "/work/here"}},
      {"--data is the one folder for all three", "../elsewhere", {"/env/bg.idx", "/usr/share/skrybon/bt.idx"},
       {"/work/elsewhere", "/work/elsewhere", "/work/elsewhere"}},
  };
  for (const Case& c : cases) {
    DataFolderSources sources = Base();
    sources.skrybonData = "/env";
    sources.dataOption = c.dataOption;
    const TranslationFolders folders = ResolveTranslationFolders(sources);
    for (const TranslationId id : kAllTranslations) {
      const TranslationFolder found = FindTranslationFolder(
          folders, id, [&c](const std::string& path) { return c.indexes.contains(path); });
      EXPECT_EQ(found.folder, c.expected[static_cast<std::size_t>(id) - 1]) << c.what << " " << TranslationCode(id);
    }
  }
}

TEST(DataFolderTest, TheProcessFoldersAreFoundOnDisk) {
  const testing::CTempFolder home;
  const std::string data = home.String() + "/share/skrybon";
  std::filesystem::create_directories(data);
  std::ofstream(data + "/bw.idx") << "x";
  std::filesystem::create_directory(home.String() + "/bt.idx");  // a damaged index counts as there
  ::setenv("XDG_DATA_HOME", (home.String() + "/share").c_str(), 1);
  ::unsetenv("SKRYBON_DATA");
  const auto started = std::filesystem::current_path();
  std::filesystem::current_path(home.Path());
  const TranslationFolders found = ProcessTranslationFolders(std::nullopt);
  EXPECT_EQ(FindTranslationFolder(found, TranslationId::BG).found, false);
  EXPECT_EQ(FindTranslationFolder(found, TranslationId::BG).folder, home.String());
  EXPECT_EQ(FindTranslationFolder(found, TranslationId::BW).folder, data);
  EXPECT_EQ(FindTranslationFolder(found, TranslationId::BT).folder, home.String());
  EXPECT_EQ(FindTranslationFolder(ProcessTranslationFolders("share"), TranslationId::BW).folder,
            home.String() + "/share");
  std::filesystem::current_path(started);
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace skrybon
