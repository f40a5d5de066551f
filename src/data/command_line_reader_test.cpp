// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/command_line_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace skrybon {
namespace {

// What the reader makes of args, one "KIND[=]:name:value" per argument: P
// positional, V value, F flag, U unknown, M missing value, W unwanted value;
// "=" marks an option written "--name=value".
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
      {{"a", "--data", "x", "--data=y=z", "--data=", "b"}, "P::a V:data:x V=:data:y=z V=:data: P::b"},
      {{"--yes", "-h", "-", "-x", "--help"}, "F:yes: F:help: P::- P::-x F:help:"},
      {{"--data", "--yes", "--data", "-h"}, "V:data:--yes V:data:-h"},  // a value may look like an option
      {{"a", "--", "--yes", "-h", "--", "--data"}, "P::a P::--yes P::-h P::-- P::--data"},
      {{"--data"}, "M:data:"},
      {{"--yes=1", "--bogus", "--bogus=1", "--=1", "-"}, "W=:yes: U:bogus: U=:bogus: U=:: P::-"},
      {{"--Data", "--dat", "---data"}, "U:Data: U:dat: U:-data:"},
  };
  for (const auto& [args, read] : cases) EXPECT_EQ(Read(args), read) << args.front();
}

}  // namespace
}  // namespace skrybon
