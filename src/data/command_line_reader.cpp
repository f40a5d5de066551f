// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/command_line_reader.h"

namespace skrybon {

std::optional<CommandLineArgument> CommandLineReader::Next() {
  using Kind = CommandLineArgument::Kind;
  while (next_ < args_.size()) {
    const std::string& arg = args_[next_++];
    if (optionsEnded_) return CommandLineArgument{Kind::Positional, {}, arg};
    if (arg == "--") {
      optionsEnded_ = true;
      continue;
    }
    if (const auto shortFlag = names_.shortFlags.find(arg); shortFlag != names_.shortFlags.end()) {
      return CommandLineArgument{Kind::Flag, shortFlag->second, {}};
    }
    if (!arg.starts_with("--")) return CommandLineArgument{Kind::Positional, {}, arg};
    const std::size_t eq = arg.find('=');
    const bool inlineValue = eq != std::string::npos;
    std::string name = arg.substr(2, inlineValue ? eq - 2 : std::string::npos);
    if (names_.flags.contains(name)) {
      return CommandLineArgument{inlineValue ? Kind::UnwantedValue : Kind::Flag, std::move(name), {}, inlineValue};
    }
    if (!names_.values.contains(name)) {
      return CommandLineArgument{Kind::UnknownOption, std::move(name), {}, inlineValue};
    }
    if (inlineValue) return CommandLineArgument{Kind::Value, std::move(name), arg.substr(eq + 1), true};
    if (next_ == args_.size()) return CommandLineArgument{Kind::MissingValue, std::move(name), {}};
    return CommandLineArgument{Kind::Value, std::move(name), args_[next_++]};
  }
  return std::nullopt;
}

}  // namespace skrybon
