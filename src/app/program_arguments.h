// The program's own command line: "--data DIR" (or "--data=DIR") names the
// main folder, "--help" and "--version" answer on standard output and end the
// program before any window. The window system's options have been taken out
// by the toolkit before these are read.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skrybon {

struct ProgramArguments {
  bool help = false;
  bool version = false;
  std::optional<std::string> dataFolder;
  std::string error;  // UTF-8; empty when the arguments are good
};

// args: the arguments after the program's name.
ProgramArguments ParseProgramArguments(std::span<const std::string> args);

// The answers to --help and --version (UTF-8, each line ended).
std::string ProgramHelpText();
std::string ProgramVersionText();

}  // namespace skrybon
