// SPDX-License-Identifier: GPL-2.0-or-later
// The SWORD commands of the statically linked skrybon-tool. The SWORD library
// and the forty-odd shared libraries it brings would take several times as
// long to load as a whole search does, so the tool that runs every other
// command is built without them, and `modules` and `import --format sword`
// and the remote repository commands (sources, remote, download) run in
// skrybon-tool-sword, built with the library: the same command line, in place
// of this process. Installed, the helper lives in the program's libexec
// folder (SKRYBON_HELPER_DIR, relative to the tool's own folder); in the
// build tree it lies beside the tool.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sword_source.h"
#include "tool_args.h"

namespace skrybon::tool {
namespace {

// Replaces this process with skrybon-tool-sword on the same arguments; on
// failure returns why it could not.
std::string RunInSwordTool() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::filesystem::path installed =
      (self.parent_path() / SKRYBON_HELPER_DIR / "skrybon-tool-sword").lexically_normal();
  const std::filesystem::path beside = self.parent_path() / "skrybon-tool-sword";
  const std::string helper =
      (::access(installed.c_str(), X_OK) != 0 && ::access(beside.c_str(), X_OK) == 0 ? beside : installed).string();
  // The command line as given, from the kernel's copy of it.
  std::vector<std::string> args;
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  for (std::string arg; std::getline(in, arg, '\0');) args.push_back(arg);
  if (ec || args.empty()) return "cannot find the command line to hand to " + helper;
  args[0] = helper;
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ::execv(helper.c_str(), argv.data());
  return "cannot start " + helper + ": " + std::strerror(errno);
}

int RelayFailure(const char* command) {
  std::fprintf(stderr, "skrybon-tool %s: %s\n", command, RunInSwordTool().c_str());
  return kExitFailure;
}

}  // namespace

int ModulesMain(std::span<const std::string>) { return RelayFailure("modules"); }
int SourcesMain(std::span<const std::string>) { return RelayFailure("sources"); }
int RemoteMain(std::span<const std::string>) { return RelayFailure("remote"); }
int DownloadMain(std::span<const std::string>) { return RelayFailure("download"); }

std::optional<std::string> CollectSwordModule(const SwordLocation&, const std::string&, CTranslationBuilder&,
                                              ProblemCount&) {
  return RunInSwordTool();
}

}  // namespace skrybon::tool
