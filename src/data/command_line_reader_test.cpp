// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/command_line_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace skrybon {
namespace {

// Each argument read as "KIND[=]:name:value"; KIND is the first letter of
// Positional, Value, Flag, Unknown, Missing value, unWanted value.
std::string Read(std::vector<std::string> args) {
  CommandLineReader reader(args, {{"data"}, {"yes", "help"}, {{"-h", "help"}}});
  std::string read;
  while (const auto arg = reader.Next()) {
    read += std::string(read.empty() ? "" : " ") + "PVFUMW"[static_cast<int>(arg->kind)] +
            (arg->inlineValue ? "=:" : ":") + arg->name + ":" + arg->value;
  }
  return read;
}

TEST(CommandLineReader, ReadsOptionsAndPositionalArguments) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"a", "--data", "x", "--data=y=z", "--data=", "--data", "--yes", "b"},
       "P::a V:data:x V=:data:y=z V=:data: V:data:--yes P::b"},
      {{"--yes", "-h", "-", "-x", "--help", "--", "--yes", "-h", "--", "--data"},
       "F:yes: F:help: P::- P::-x F:help: P::--yes P::-h P::-- P::--data"},
      {{"--yes=1", "--bogus", "--bogus=1", "--=1", "--Data", "---data", "-"},
       "W=:yes: U:bogus: U=:bogus: U=:: U:Data: U:-data: P::-"},
      {{"--data"}, "M:data:"},
  };
  for (const auto& [args, read] : cases) EXPECT_EQ(Read(args), read);
}

}  // namespace
}  // namespace skrybon
