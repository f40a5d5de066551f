// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/program_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace skrybon {
namespace {

TEST(ProgramArgumentsTest, HelpAndVersionAnswerAtOnce) {
  const std::vector<std::string> none, data = {"--data", "/d"}, version = {"--data", "/d", "--version", "-h"},
                                 help = {"-h"}, bogus = {"--bogus", "--help"};
  EXPECT_EQ(ImmediateAnswer(none), std::nullopt);
  EXPECT_EQ(ImmediateAnswer(data), std::nullopt);
  EXPECT_EQ(ImmediateAnswer(version), "Skrybon v1.4\n");
  EXPECT_EQ(ImmediateAnswer(help), ProgramHelpText());
  EXPECT_EQ(ImmediateAnswer(bogus), ProgramHelpText()) << "help is given even beside a wrong argument";
}

TEST(ProgramArgumentsTest, ReadsTheDataFolder) {
  struct Case {
    std::vector<std::string> args;
    std::optional<std::string> data;
    bool error;
  };
  const Case cases[] = {
      {{}, std::nullopt, false},
      {{"--data", "/d"}, "/d", false},
      {{"--data=rel/d"}, "rel/d", false},
      {{"--data", "/a", "--data=/b"}, "/b", false},
      {{"--data"}, std::nullopt, true},
      {{"--data="}, "", true},
      {{"--data", ""}, "", true},
      {{"plik.txt"}, std::nullopt, true},
      {{"--verbose", "--data", "/d"}, std::nullopt, true},
  };
  for (const Case& c : cases) {
    const ProgramArguments parsed = ParseProgramArguments(c.args);
    const std::string what = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(parsed.dataFolder, c.data) << what;
    EXPECT_EQ(!parsed.error.empty(), c.error) << what;
  }
}

}  // namespace
}  // namespace skrybon
