// SPDX-License-Identifier: GPL-2.0-or-later
// Reads command-line arguments one at a time by the rules every command of
// the data tool shares: "--name value" and "--name=value" give a value option
// its value, "--name" alone sets a flag, "--" ends the options (all after it
// is positional), a short form such as "-h" counts as its flag before "--",
// and any other argument ("-", "-x", a word) is positional. Which names exist
// is the caller's to say, and so is the wording of a mistake: a mistake comes
// back as an argument of its own kind.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace skrybon {

struct CommandLineArgument {
  enum class Kind {
    Positional,     // value: the argument
    Value,          // name, value
    Flag,           // name
    UnknownOption,  // name; inlineValue if written "--name=value"
    MissingValue,   // name: a value option with nothing after it
    UnwantedValue,  // name: a flag written "--name=value"
  };
  Kind kind = Kind::Positional;
  std::string name;  // without "--"
  std::string value;
  bool inlineValue = false;
};

struct CommandLineNames {
  std::set<std::string, std::less<>> values;  // options that take a value
  std::set<std::string, std::less<>> flags;   // options that stand alone
  std::map<std::string, std::string, std::less<>> shortFlags;  // "-h" -> "help"
};

class CommandLineReader {
 public:
  // args must outlive the reader.
  CommandLineReader(std::span<const std::string> args, CommandLineNames names)
      : args_(args), names_(std::move(names)) {}

  // The next argument; nullopt when all are read.
  std::optional<CommandLineArgument> Next();

 private:
  std::span<const std::string> args_;
  CommandLineNames names_;
  std::size_t next_ = 0;
  bool optionsEnded_ = false;
};

}  // namespace skrybon
