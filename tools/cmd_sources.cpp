// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool sources: the remote SWORD repositories modules are fetched from.
#include <string>

#include "remote_access.h"
#include "sword_remote.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool sources\n"
    "       skrybon-tool sources --add NAME URL\n"
    "       skrybon-tool sources --remove NAME\n"
    "  Lists the remote SWORD repositories, one a line: name<TAB>type<TAB>URL; the\n"
    "  first use sets up CrossWire's main repository. URL is the ftp, http or https\n"
    "  address of a repository's root, the folder that holds mods.d.tar.gz. The list\n"
    "  is kept in ~/.sword/InstallMgr/InstallMgr.conf, shared with other SWORD programs.\n";

}  // namespace

int SourcesMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"add", "remove"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    CSwordRemote remote(UserSwordFolder(), nullptr);
    std::optional<std::string> error;
    if (const auto add = args.Get("add")) {
      args.ExpectPositional(1, "the URL of the source");
      error = remote.AddSource(*add, args.Positional()[0]);
    } else if (const auto remove = args.Get("remove")) {
      args.ExpectPositional(0, "");
      error = remote.RemoveSource(*remove);
    } else {
      args.ExpectPositional(0, "");
      auto sources = remote.Sources();
      if (auto* list = std::get_if<std::vector<SwordSource>>(&sources)) {
        for (const auto& source : *list) PrintLine(stdout, source.name + "\t" + source.type + "\t" + source.url);
      } else {
        error = std::get<std::string>(sources);
      }
    }
    if (error) {
      PrintLine(stderr, "skrybon-tool sources: " + *error);
      return kExitUsage;
    }
    return kExitOk;
  });
}

}  // namespace skrybon::tool
