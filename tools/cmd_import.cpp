// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool import: builds one translation's index and book files.
#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "data/archive.h"
#include "data/import_messages.h"
#include "data/translation_builder.h"
#include "data/translation_writer.h"
#include "data/xml_verses.h"
#include "lock_wait.h"
#include "sword_source.h"
#include "tool_args.h"
#include "tool_output.h"
#include "xml_reader.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool import --translation bg|bw|bt --format tsv|osis|zefania [--out DIR]\n"
    "                           [--lock-wait SECONDS] FILE\n"
    "       skrybon-tool import --translation bg|bw|bt --format sword [--sword-path DIR] [--allow-damaged]\n"
    "                           [--out DIR] [--lock-wait SECONDS] MODULE\n"
    "  Builds DIR/<code>.idx, DIR/ksiegi/<n>.<code> for every book and, unless it exists,\n"
    "  the default alias file DIR/<code>_alias.txt. DIR defaults to the user's data\n"
    "  folder, $XDG_DATA_HOME/skrybon (~/.local/share/skrybon), where the program finds it.\n"
    "  tsv: UTF-8 lines book<TAB>chapter<TAB>verse<TAB>text, book 0-based in the\n"
    "  translation's book order, chapter and verse 1-based.\n"
    "  Problems are reported, and the index is always kept whole: a book missing from\n"
    "  the input gets one chapter with one empty verse, a missing chapter one empty\n"
    "  verse, a missing verse an empty text; characters Windows-1250 cannot hold\n"
    "  are written in their usual Latin spelling (æ as ae) or, lacking one, as '?'.\n"
    "  XML is read in the encoding it declares: UTF-8, UTF-16, Windows-1250 or\n"
    "  ISO-8859-2. Nothing in DIR changes unless every file was written.\n"
    "  sword: an installed SWORD Bible module by name (see skrybon-tool modules), read\n"
    "  through the SWORD library; books are mapped by their standard identifiers.\n"
    "  A module that is missing, not a Bible text, locked or empty ends in exit code 2.\n"
    "  So does a damaged one (entries pointing outside its files, blocks that do not\n"
    "  decompress, text not valid in its encoding), unless --allow-damaged: then what\n"
    "  can be read is imported and the rest reported. Verses a module lacks (many\n"
    "  hold only the New Testament) are filled and reported as above.\n"
    "  --summary reads the input and prints its totals and problems, one a line,\n"
    "  tab-separated, without writing anything; --progress prints \"progress<TAB>n<TAB>total\"\n"
    "  on standard error before each file, and a SIGTERM then stops the writing\n"
    "  with the folder as it was (both for the program's import dialog).\n"
    "  An import cut short (killed, a crash) is undone by the next import, which also\n"
    "  removes the leftovers of interrupted writes. While another import or repair\n"
    "  holds DIR, the import waits --lock-wait SECONDS (default 5), then gives up.\n";

// Set by SIGTERM while the files are written.
volatile std::sig_atomic_t stopRequested = 0;

std::optional<std::string> Collect(const std::string& format, const std::string& path,
                                   CTranslationBuilder& builder) {
  if (format == "tsv") {
    std::vector<std::uint8_t> bytes;
    if (const auto read = ReadWholeFile(path, bytes); !read) return "cannot read " + path + ": " + read.reason;
    ImportTsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), builder);
    return std::nullopt;
  }
  const auto collector = format == "osis" ? MakeOsisCollector(builder) : MakeZefaniaCollector(builder);
  return ReadXmlFile(path, *collector);
}

// The folder given with --out, or the user's data folder.
std::string OutputFolder(const ToolArgs& args) {
  if (auto out = args.Get("out")) {
    if (out->empty()) throw ToolUsageError("option --out needs a folder");
    return *out;
  }
  if (auto user = UserDataFolder(ProcessDataFolderSources(std::nullopt))) return *user;
  throw ToolUsageError("option --out is required when neither XDG_DATA_HOME nor HOME names a folder");
}

}  // namespace

int ImportMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"translation", "format", "out", "sword-path", "lock-wait"},
                        {"summary", "progress", "allow-damaged"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    const TranslationId id = args.Translation();
    const std::string format = args.Choice("format", {"tsv", "osis", "zefania", "sword"});
    const std::string out = OutputFolder(args);
    args.ExpectPositional(1, format == "sword" ? "one MODULE name" : "one input FILE");
    const std::string& input = args.Positional()[0];

    CTranslationBuilder builder(id);
    if (format == "sword") {
      // A module that cannot be used is a wrong request, not a damaged input.
      ProblemCount damaged;
      if (auto error = CollectSwordModule({args.Get("sword-path", "")}, input, builder, damaged)) {
        PrintLine(stderr, "skrybon-tool import: " + *error + "; nothing written");
        return kExitUsage;
      }
      const std::string damage = std::to_string(damaged.count) + " damaged " +
                                 (damaged.count == 1 ? "entry" : "entries") + ", the first at " + damaged.first;
      const bool allowed = args.Has("allow-damaged") && builder.Report().verses > 0;
      if (damaged.count > 0 && !allowed) {
        PrintLine(stderr, "skrybon-tool import: module " + input + " is damaged: " + damage + "; nothing written" +
                              (builder.Report().verses > 0 ? " (--allow-damaged imports what can be read)" : ""));
        return kExitUsage;
      }
      if (damaged.count > 0) PrintLine(stderr, "warning: " + damage + " left out of module " + input);
    } else if (auto error = Collect(format, input, builder)) {
      PrintLine(stderr, "skrybon-tool import: " + *error);
      return kExitFailure;
    }
    if (builder.Report().verses == 0) {
      PrintLine(stderr, "skrybon-tool import: no verse of " + std::string(TranslationCode(id)) +
                            " found in " + input + "; nothing written");
      for (const auto& line : builder.Report().Describe(id)) PrintLine(stderr, "  " + line);
      return kExitFailure;
    }
    const BuiltTranslation built = builder.Build();
    if (args.Has("summary")) {
      std::fputs(FormatImportSummary(out, built, builder.Report()).c_str(), stdout);
      return kExitOk;
    }
    for (const auto& line : builder.Report().Describe(id)) PrintLine(stderr, "warning: " + line);
    WriteProgress progress;
    if (args.Has("progress")) {
      // Until now a SIGTERM simply ended the tool: nothing was written yet.
      std::signal(SIGTERM, [](int) { stopRequested = 1; });
      progress = [](std::size_t written, std::size_t total) {
        PrintLine(stderr, FormatImportProgress(written, total));
        std::fflush(stderr);
        return stopRequested == 0;
      };
    }
    TranslationWriteNotes notes;
    if (auto error = WriteTranslation(out, built, &notes, progress, LockWait(args, "import", out))) {
      PrintLine(stderr, "skrybon-tool import: " + *error);
      return kExitFailure;
    }
    if (notes.undidUnfinished) {
      PrintLine(stderr, "skrybon-tool import: an interrupted import of " + std::string(TranslationCode(id)) +
                            " was undone first");
    }
    if (notes.leftoversRemoved > 0) {
      PrintLine(stderr, "skrybon-tool import: removed " + std::to_string(notes.leftoversRemoved) +
                            " leftover file(s) of interrupted writes");
    }
    PrintLine(stdout, ShapeSummary(id, built.index) + " written to " + out +
                          (notes.aliasWritten ? " (with the default alias file)" : ""));
    return kExitOk;
  });
}

}  // namespace skrybon::tool
