// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool show: prints the citation text of a typed place.
#include <numeric>
#include <vector>

#include "app/data_folder.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/verse_index.h"
#include "reading/citation.h"
#include "reading/navigation.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool show [--data DIR] --translation bg|bw|bt [--encoding utf8|cp1250] TEXT\n"
    "  Resolves TEXT as a typed place (e.g. \"1 Kor 13:4\", \"ps 23\", \"Rdz\") with the\n"
    "  translation's aliases and prints its citation text as the clipboard gets it:\n"
    "  with a verse that verse, with a chapter the whole chapter, with a book only its\n"
    "  chapter 1; a chapter or verse beyond the last is taken as the last.\n"
    "  DIR defaults to the first data folder holding the translation; output is UTF-8 unless --encoding cp1250.\n"
    "  Exit code 2 when TEXT names no place.\n";

}  // namespace

int ShowMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"data", "translation", "encoding"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    const TranslationId id = args.Translation();
    const bool utf8 = args.Choice("encoding", {"utf8", "cp1250"}, "utf8") == "utf8";
    if (args.Positional().empty()) throw ToolUsageError("expected the place TEXT");
    // A place typed without quotes arrives as several words.
    std::string typed;
    for (const auto& word : args.Positional()) typed += (typed.empty() ? "" : " ") + word;
    const std::string folder = FindTranslationFolder(ProcessTranslationFolders(args.Get("data")), id).folder;

    CTranslationIndex index(id);
    if (auto message = index.LoadIndex(folder)) {
      PrintIndented(stderr, "skrybon-tool show: ", Cp1250ToUtf8(*message));
      return kExitFailure;
    }
    if (auto message = index.LoadAliases(folder)) {
      PrintIndented(stderr, "skrybon-tool show: ", Cp1250ToUtf8(*message));
      return kExitFailure;
    }
    // A character Windows-1250 lacks is in no book name; as '?' it would end
    // the name early, so "Obj α" would still name a place. A verse counts only
    // together with a chapter, as in the navigation bar.
    const std::optional<TypedPlace> place =
        FirstCharOutsideCp1250(typed) ? std::nullopt : ResolveTypedText(&index, Cp(typed));
    if (!place) {
      PrintLine(stderr, "skrybon-tool show: '" + typed + "' names no place in " +
                            std::string(TranslationCode(id)));
      return kExitUsage;
    }
    const int book = place->book;
    const int chapter = std::max(place->chapter, 0);
    const int verse = place->verse;
    std::vector<std::string> lines;
    if (auto message = LoadChapterText(index, folder, "ksiegi", book, chapter, lines)) {
      PrintIndented(stderr, "skrybon-tool show: ", Cp1250ToUtf8(*message));
      return kExitFailure;
    }
    std::vector<int> verses;
    if (verse < 0) {
      verses.resize(std::min(lines.size(), kMaxSelectedVerses));
      std::iota(verses.begin(), verses.end(), 0);
    } else {
      verses.push_back(std::min(verse, static_cast<int>(lines.size()) - 1));
    }
    const std::string citation = FormatSelectionText({id, book, chapter, verses, lines});
    const std::string output = utf8 ? Cp1250ToUtf8(citation) : citation;
    std::fwrite(output.data(), 1, output.size(), stdout);
    return kExitOk;
  });
}

}  // namespace skrybon::tool
