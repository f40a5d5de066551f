// "skrybon-tool search": searches one translation of a data folder with the
// program's search engine and prints the found-verses file text (header with
// the four words, each found verse with its label and text, the count).
// Unreadable book files are reported on stderr and skipped (exit code 0);
// bad arguments print the usage (exit code 2); an unreadable verse index
// ends with exit code 1.
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "data/codepage.h"
#include "data/verse_index.h"
#include "search/found_verses_text.h"
#include "search/search_command_line.h"
#include "search/search_engine.h"

namespace skrybon {
namespace {

void Write(std::FILE* stream, const std::string& cp1250, TextEncoding encoding) {
  const std::string text = encoding == TextEncoding::Utf8 ? Cp1250ToUtf8(cp1250) : cp1250;
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

int RunSearchCommand(std::span<const std::string> args) {
  std::string error;
  const auto line = ParseSearchCommandLine(args, error);
  if (!line) {
    std::fprintf(stderr, "skrybon-tool search: %s\n%s", error.c_str(), SearchCommandUsage().c_str());
    return 2;
  }
  const SearchRequest& request = line->request;
  CTranslationIndex index(request.GetTranslationId());
  if (auto message = index.LoadIndex(line->dataFolder)) {
    Write(stderr, *message + "\n", line->encoding);
    return 1;
  }
  CTranslationSearch search(request, index, line->dataFolder, "ksiegi");
  CFoundVerseList list;
  std::vector<std::string> texts;
  RunSearch(
      search, list, [&](const std::string& message) { Write(stderr, message + "\n", line->encoding); },
      [](int) { return true; }, &texts);
  // The found list is in book order, so writing it in list order is writing it book by book.
  std::string out = FoundVersesFileHeader(list);
  for (int i = 0; i < list.GetCount(); ++i) AppendFoundVerse(out, list.GetLabel(i), texts[static_cast<std::size_t>(i)]);
  out += FoundVersesFileFooter(list);
  Write(stdout, out, line->encoding);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace skrybon
