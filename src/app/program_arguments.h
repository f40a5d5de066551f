// SPDX-License-Identifier: GPL-2.0-or-later
// The program's own command line: "--help" (or "-h") and "--version" answer
// on standard output and end the program before the toolkit starts, so they
// need no display; "--data DIR" (or "--data=DIR") names the main folder and is
// read after the toolkit has taken out the window system's options.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace skrybon {

// The text (UTF-8, lines ended) that answers --help or --version when args
// (the arguments after the program's name) hold either; the first one counts.
std::optional<std::string> ImmediateAnswer(std::span<const std::string> args);

struct ProgramArguments {
  std::optional<std::string> dataFolder;
  std::string error;  // UTF-8; empty when the arguments are good
};

// args: the arguments after the program's name, without the toolkit's own.
ProgramArguments ParseProgramArguments(std::span<const std::string> args);

// The answer to --help (UTF-8, lines ended), also shown after a wrong argument.
std::string ProgramHelpText();

}  // namespace skrybon
