// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/data_folder.h"

#include <gtest/gtest.h>

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
  DataFolderSources all = Base();
  all.skrybonData = "dane/../biblia/";
  all.xdgDataHome = "/xdg/home";
  all.xdgDataDirs = "/opt/share::relative/share:/usr/share/";
  DataFolderSources emptyVariables = Base();
  emptyVariables.skrybonData = "";
  emptyVariables.xdgDataHome = "";
  emptyVariables.xdgDataDirs = "";
  DataFolderSources relativeHome = Base();
  relativeHome.xdgDataHome = "share";
  DataFolderSources noHome = Base();
  noHome.home.reset();
  DataFolderSources inUserFolder = Base();
  inUserFolder.currentFolder = "/home/ala/.local/share/skrybon";
  DataFolderSources atRoot = Base();
  atRoot.currentFolder = std::string("/");  // a move: g++ 12 at -O3 misreads assigning a short literal
  const std::vector<std::string> defaults = {"/usr/local/share/skrybon", "/usr/share/skrybon"};
  const auto with = [&defaults](std::vector<std::string> first) {
    first.insert(first.end(), defaults.begin(), defaults.end());
    return first;
  };
  const Case cases[] = {
      {"defaults", Base(), with({"/work/here", "/home/ala/.local/share/skrybon"})},
      {"every variable set", all,
       {"/work/here/biblia", "/work/here", "/xdg/home/skrybon", "/opt/share/skrybon", "/usr/share/skrybon"}},
      {"empty variables count as unset", emptyVariables, with({"/work/here", "/home/ala/.local/share/skrybon"})},
      {"a relative XDG_DATA_HOME is ignored", relativeHome, with({"/work/here", "/home/ala/.local/share/skrybon"})},
      {"no home, no user folder", noHome, with({"/work/here"})},
      {"a folder is tried once", inUserFolder, with({"/home/ala/.local/share/skrybon"})},
      {"started at the root", atRoot, with({"/", "/home/ala/.local/share/skrybon"})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DataFolderCandidates(c.sources), c.expected) << c.what;
  }
}

TEST(DataFolderTest, TheFirstFolderWithAnIndexWins) {
  struct Case {
    const char* what;
    std::optional<std::string> dataOption;
    std::set<std::string> withIndex;
    std::string expected;
  };
  const Case cases[] = {
      {"SKRYBON_DATA before the current folder", std::nullopt, {"/work/here", "/env", "/usr/share/skrybon"}, "/env"},
      {"user folder before the system's", std::nullopt,
       {"/home/ala/.local/share/skrybon", "/usr/share/skrybon"}, "/home/ala/.local/share/skrybon"},
      {"system folder last", std::nullopt, {"/usr/share/skrybon"}, "/usr/share/skrybon"},
      {"none: the current folder", std::nullopt, {}, "/work/here"},
      {"--data is taken as given", "../elsewhere", {"/work/here", "/env"}, "/work/elsewhere"},
      {"--data absolute", "/d/", {"/d"}, "/d"},
  };
  for (const Case& c : cases) {
    DataFolderSources sources = Base();
    sources.skrybonData = "/env";
    sources.dataOption = c.dataOption;
    std::vector<std::string> asked;
    const std::string chosen = ResolveDataFolder(sources, [&](const std::string& folder) {
      asked.push_back(folder);
      return c.withIndex.contains(folder);
    });
    EXPECT_EQ(chosen, c.expected) << c.what;
    if (c.dataOption) {
      EXPECT_TRUE(asked.empty()) << c.what;
    }
  }
}

TEST(DataFolderTest, UserFolderPrefersXdgDataHome) {
  DataFolderSources sources = Base();
  EXPECT_EQ(UserDataFolder(sources), "/home/ala/.local/share/skrybon");
  sources.xdgDataHome = "/x/";
  EXPECT_EQ(UserDataFolder(sources), "/x/skrybon");
  sources.xdgDataHome.reset();
  sources.home.reset();
  EXPECT_EQ(UserDataFolder(sources), std::nullopt);
}

TEST(DataFolderTest, TheProcessFolderIsFoundOnDisk) {
  const testing::CTempFolder home;
  const std::string data = home.String() + "/share/skrybon";
  std::filesystem::create_directories(data);
  std::ofstream(data + "/bg.idx") << "x";
  ::setenv("XDG_DATA_HOME", (home.String() + "/share").c_str(), 1);
  ::unsetenv("SKRYBON_DATA");
  const auto started = std::filesystem::current_path();
  std::filesystem::current_path(home.Path());
  EXPECT_EQ(ResolveProcessDataFolder(std::nullopt), data);
  EXPECT_EQ(ResolveProcessDataFolder("share"), home.String() + "/share");
  std::filesystem::current_path(data);
  EXPECT_EQ(ResolveProcessDataFolder(std::nullopt), data) << "the current folder";
  std::filesystem::current_path(started);
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace skrybon
