// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool search: searches one translation of a data folder with the
// program's search engine and prints the found-verses file text.
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "data/codepage.h"
#include "data/verse_index.h"
#include "search/found_verses_text.h"
#include "search/search_command_line.h"
#include "search/search_engine.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kDetails =
    "  Finds the verses of the translation that hold the words or phrases, joined\n"
    "  from the right: W1 op (W2 op (W3 op W4)); LUB = or, I = and, NIE = and not.\n"
    "  Words are trimmed; \"\" is an empty word. Not case-sensitive unless asked.\n"
    "  Prints the found-verses file text (header with the four words, label and\n"
    "  text of each found verse, the count), UTF-8 unless --encoding cp1250, which\n"
    "  also takes the words as Windows-1250 bytes. A missing book file is reported\n"
    "  on stderr and skipped, and the exit code is then 1. DIR defaults to the first\n"
    "  data folder holding the translation, as the program finds it.\n";

void WriteOut(const std::string& cp1250, TextEncoding encoding) {
  const std::string text = encoding == TextEncoding::Utf8 ? Cp1250ToUtf8(cp1250) : cp1250;
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int SearchMain(std::span<const std::string> args) {
  const std::string usage = SearchCommandUsage() + std::string(kDetails);
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") {
      std::fputs(usage.c_str(), stdout);
      return kExitOk;
    }
  }
  std::string error;
  const auto line = ParseSearchCommandLine(args, error);
  if (!line) return UsageError(error, usage);
  const SearchRequest& request = line->request;
  const std::string folder =
      FindTranslationFolder(ProcessTranslationFolders(line->dataFolder), request.GetTranslationId()).folder;
  CTranslationIndex index(request.GetTranslationId());
  if (auto message = index.LoadIndex(folder)) {
    PrintIndented(stderr, "skrybon-tool search: ", Cp1250ToUtf8(*message));
    return kExitFailure;
  }
  CTranslationSearch search(request, index, folder, "ksiegi");
  CFoundVerseList list;
  std::vector<std::string> texts;
  bool skippedBook = false;
  RunSearch(
      search, list,
      [&skippedBook](const std::string& message) {
        PrintIndented(stderr, "skrybon-tool search: ", Cp1250ToUtf8(message));
        skippedBook = true;
      },
      [](int) { return true; }, &texts);
  // The list is in book order, so writing it in list order writes it book by
  // book. It goes out in pieces: a search that finds thousands of verses
  // never holds their whole text a second and a third time.
  constexpr std::size_t kPiece = 64 * 1024;
  std::string out = FoundVersesFileHeader(list);
  for (int i = 0; i < list.GetCount(); ++i) {
    AppendFoundVerse(out, list.GetLabel(i), texts[static_cast<std::size_t>(i)]);
    if (out.size() >= kPiece) {
      WriteOut(out, line->encoding);
      out.clear();
    }
  }
  out += FoundVersesFileFooter(list);
  WriteOut(out, line->encoding);
  // A skipped book leaves the result incomplete: the verses found are still
  // printed, but a script can tell from the exit code.
  return std::fflush(stdout) == 0 && !skippedBook ? kExitOk : kExitFailure;
}

}  // namespace skrybon::tool
