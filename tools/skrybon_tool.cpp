// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool: builds, checks and queries the data folders of the reader.
// Each subcommand lives in its own cmd_*.cpp; adding one means one line in
// the table below (and its declaration).
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "tool_args.h"

namespace skrybon::tool {

int ImportMain(std::span<const std::string> args);
int CheckMain(std::span<const std::string> args);
int ShowMain(std::span<const std::string> args);
int DemoMain(std::span<const std::string> args);
int SearchMain(std::span<const std::string> args);
int ModulesMain(std::span<const std::string> args);
int SourcesMain(std::span<const std::string> args);
int RemoteMain(std::span<const std::string> args);
int DownloadMain(std::span<const std::string> args);

namespace {

struct Subcommand {
  std::string_view name;
  std::string_view summary;
  SubcommandMain run;
};

constexpr std::array kSubcommands = {
    Subcommand{"import", "build a translation's data files from TSV, OSIS, Zefania XML or a SWORD module",
               ImportMain},
    Subcommand{"modules", "list the installed SWORD Bible modules", ModulesMain},
    Subcommand{"sources", "list, add or remove the remote SWORD repositories", SourcesMain},
    Subcommand{"remote", "list the Bible modules of a remote SWORD repository", RemoteMain},
    Subcommand{"download", "install a Bible module from a remote SWORD repository (and import it)", DownloadMain},
    Subcommand{"check", "verify the index and book files of all three translations", CheckMain},
    Subcommand{"show", "print the citation text of a typed place", ShowMain},
    Subcommand{"demo", "write a demo data folder with synthetic text", DemoMain},
    Subcommand{"search", "print the verses of a translation that hold the given words", SearchMain},
};

void PrintHelp(std::FILE* out) {
  std::fprintf(out, "usage: skrybon-tool <command> [options]   (skrybon-tool <command> --help)\n\ncommands:\n");
  for (const auto& sub : kSubcommands) {
    std::fprintf(out, "  %-8.*s %.*s\n", static_cast<int>(sub.name.size()), sub.name.data(),
                 static_cast<int>(sub.summary.size()), sub.summary.data());
  }
}

}  // namespace
}  // namespace skrybon::tool

int main(int argc, char** argv) {
  using namespace skrybon::tool;
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (args.empty()) {
    std::fprintf(stderr, "skrybon-tool: missing command\n");
    PrintHelp(stderr);
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(stdout);
    return kExitOk;
  }
  for (const auto& sub : kSubcommands) {
    if (args[0] == sub.name) return sub.run(std::span(args).subspan(1));
  }
  std::fprintf(stderr, "skrybon-tool: unknown command '%s'\n", args[0].c_str());
  PrintHelp(stderr);
  return kExitUsage;
}
