// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/program_arguments.h"

namespace skrybon {

std::optional<std::string> ImmediateAnswer(std::span<const std::string> args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return ProgramHelpText();
    if (arg == "--version") return "Skrybon v1.4\n";
  }
  return std::nullopt;
}

ProgramArguments ParseProgramArguments(std::span<const std::string> args) {
  ProgramArguments parsed;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--data") {
      if (i + 1 < args.size()) parsed.dataFolder = args[++i];
      else parsed.error = "opcja --data wymaga nazwy folderu";
    } else if (arg.starts_with("--data=")) {
      parsed.dataFolder = arg.substr(7);
    } else {
      parsed.error = "nieznany argument: " + arg;
    }
    if (parsed.dataFolder && parsed.dataFolder->empty()) parsed.error = "opcja --data wymaga nazwy folderu";
  }
  return parsed;
}

std::string ProgramHelpText() {
  return "Użycie: skrybon [--data FOLDER]\n"
         "Czytnik trzech polskich przekładów Biblii: Gdańskiej, Warszawskiej i Tysiąclecia.\n"
         "\n"
         "  --data FOLDER  dane z tego folderu\n"
         "  --help         ten opis\n"
         "  --version      wersja programu\n"
         "\n"
         "Folder z danymi to pierwszy z poniższych, w którym jest plik bg.idx:\n"
         "folder podany w --data, folder ze zmiennej SKRYBON_DATA, bieżący folder,\n"
         "$XDG_DATA_HOME/skrybon (zwykle ~/.local/share/skrybon), wreszcie skrybon\n"
         "w każdym z folderów $XDG_DATA_DIRS (zwykle /usr/local/share i /usr/share).\n"
         "Teksty przekładów wgrywa tam polecenie 'skrybon-tool import' (skrybon-tool --help).\n";
}

}  // namespace skrybon
