#include "app/program_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace skrybon {
namespace {

TEST(ProgramArgumentsTest, ReadsTheProgramsOptions) {
  struct Case {
    std::vector<std::string> args;
    bool help, version;
    std::optional<std::string> data;
    bool error;
  };
  const Case cases[] = {
      {{}, false, false, std::nullopt, false},
      {{"--help"}, true, false, std::nullopt, false},
      {{"-h"}, true, false, std::nullopt, false},
      {{"--version"}, false, true, std::nullopt, false},
      {{"--data", "/d"}, false, false, "/d", false},
      {{"--data=rel/d"}, false, false, "rel/d", false},
      {{"--data"}, false, false, std::nullopt, true},
      {{"--data="}, false, false, "", true},
      {{"--data", ""}, false, false, "", true},
      {{"plik.txt"}, false, false, std::nullopt, true},
      {{"--verbose", "--help"}, false, false, std::nullopt, true},
  };
  for (const Case& c : cases) {
    const ProgramArguments parsed = ParseProgramArguments(c.args);
    const std::string what = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(parsed.help, c.help) << what;
    EXPECT_EQ(parsed.version, c.version) << what;
    EXPECT_EQ(parsed.dataFolder, c.data) << what;
    EXPECT_EQ(!parsed.error.empty(), c.error) << what;
  }
}

}  // namespace
}  // namespace skrybon
