// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool download: installs a Bible module from a remote SWORD
// repository into ~/.sword and, if asked, imports it.
#include <string>
#include <vector>

#include "remote_access.h"
#include "sword_remote.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {

int ImportMain(std::span<const std::string> args);

namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool download [--source NAME] [--yes] [--import bg|bw|bt [--out DIR]] MODULE\n"
    "  Installs the Bible text MODULE of a source (CrossWire unless --source; see\n"
    "  skrybon-tool sources and remote) into ~/.sword, where other SWORD programs\n"
    "  find it too, and with --import imports it as that translation, as\n"
    "  skrybon-tool import --format sword does. Progress goes to standard error as\n"
    "  lines 'progress<TAB>DONE<TAB>TOTAL' (bytes). Reaching the internet needs your consent,\n"
    "  asked once on a terminal and remembered, or given with --yes. An unknown\n"
    "  source or module, a module that is not a Bible text or is locked, an\n"
    "  unreachable source or a broken download ends in exit code 2, and nothing of\n"
    "  the module stays in ~/.sword.\n";

}  // namespace

int DownloadMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"source", "import", "out"}, {"yes"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(1, "one MODULE name");
    const std::string& module = args.Positional()[0];
    // A wrong code stops before any download.
    const std::optional<std::string> translation =
        args.Get("import") ? std::optional(args.Choice("import", {"bg", "bw", "bt"})) : std::nullopt;
    if (auto refusal = RemoteAccessRefusal(args.Has("yes"))) {
      PrintLine(stderr, "skrybon-tool download: " + *refusal);
      return kExitUsage;
    }
    const std::string swordFolder = UserSwordFolder();
    CSwordRemote remote(swordFolder, CProgressLines());
    if (auto error = remote.Install(args.Get("source", "CrossWire"), module)) {
      PrintLine(stderr, "skrybon-tool download: " + *error + "; nothing installed");
      return kExitUsage;
    }
    PrintLine(stdout, module + " installed in " + swordFolder);
    if (!translation) return kExitOk;
    std::vector<std::string> import = {"--translation", *translation, "--format", "sword", "--sword-path",
                                       swordFolder, module};
    if (const auto out = args.Get("out")) import.insert(import.end(), {"--out", *out});
    return ImportMain(import);
  });
}

}  // namespace skrybon::tool
