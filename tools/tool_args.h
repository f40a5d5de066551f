// SPDX-License-Identifier: GPL-2.0-or-later
// Argument handling shared by the subcommands of skrybon-tool: the arguments
// as CommandLineReader reads them, with "--help"/"-h" as a flag of every
// command; a usage error is thrown as ToolUsageError and ends in exit code 2.
#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/command_line_reader.h"
#include "data/translation.h"

namespace skrybon::tool {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

class ToolUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ToolArgs {
 public:
  // valueOptions: the names (without "--") of the options that take a value;
  // flags: those that stand alone.
  ToolArgs(std::span<const std::string> args, std::set<std::string, std::less<>> valueOptions,
           std::set<std::string, std::less<>> flags = {}) {
    flags.insert("help");
    CommandLineReader reader(args, {std::move(valueOptions), std::move(flags), {{"-h", "help"}}});
    while (auto arg = reader.Next()) {
      using Kind = CommandLineArgument::Kind;
      switch (arg->kind) {
        case Kind::Positional: positional_.push_back(std::move(arg->value)); break;
        case Kind::Value: options_[arg->name] = std::move(arg->value); break;
        case Kind::Flag: flags_.insert(std::move(arg->name)); break;
        case Kind::MissingValue: throw ToolUsageError("option --" + arg->name + " needs a value");
        case Kind::UnknownOption:
        case Kind::UnwantedValue: throw ToolUsageError("unknown option --" + arg->name);
      }
    }
  }

  bool Help() const { return Has("help"); }
  bool Has(std::string_view flag) const { return flags_.contains(flag); }
  const std::vector<std::string>& Positional() const { return positional_; }

  std::optional<std::string> Get(std::string_view name) const {
    const auto it = options_.find(std::string(name));
    if (it == options_.end()) return std::nullopt;
    return it->second;
  }
  std::string Get(std::string_view name, std::string fallback) const { return Get(name).value_or(fallback); }

  std::string Required(std::string_view name) const {
    auto value = Get(name);
    if (!value || value->empty()) throw ToolUsageError("option --" + std::string(name) + " is required");
    return *value;
  }

  // The one value of an option that must be among `choices`.
  std::string Choice(std::string_view name, std::initializer_list<std::string_view> choices,
                     std::optional<std::string> fallback = std::nullopt) const {
    std::optional<std::string> value = Get(name);
    if (!value) value = fallback;
    if (!value) throw ToolUsageError("option --" + std::string(name) + " is required");
    for (const auto choice : choices) {
      if (*value == choice) return *value;
    }
    std::string list;
    for (const auto choice : choices) list.append(list.empty() ? "" : "|").append(choice);
    throw ToolUsageError("--" + std::string(name) + " must be " + list + ", not '" + *value + "'");
  }

  TranslationId Translation() const {
    return *TranslationFromCode(Choice("translation", {"bg", "bw", "bt"}));
  }

  // Exactly n positional arguments, described by `what` in the error.
  void ExpectPositional(std::size_t n, std::string_view what) const {
    if (positional_.size() != n) {
      throw ToolUsageError(n == 0 ? "unexpected argument '" + positional_.front() + "'"
                                  : "expected " + std::string(what));
    }
  }

 private:
  std::set<std::string, std::less<>> flags_;
  std::map<std::string, std::string> options_;
  std::vector<std::string> positional_;
};

// Every subcommand: its arguments after the subcommand's name; returns the exit code.
using SubcommandMain = int (*)(std::span<const std::string> args);

// Prints a usage error with the subcommand's usage text; returns kExitUsage.
inline int UsageError(std::string_view message, std::string_view usage) {
  std::fprintf(stderr, "skrybon-tool: %.*s\n%.*s", static_cast<int>(message.size()), message.data(),
               static_cast<int>(usage.size()), usage.data());
  return kExitUsage;
}

// Runs a subcommand body, turning a ToolUsageError into a usage message.
template <typename Body>
int RunWithUsage(std::string_view usage, Body body) {
  try {
    return body();
  } catch (const ToolUsageError& e) {
    return UsageError(e.what(), usage);
  }
}

}  // namespace skrybon::tool
