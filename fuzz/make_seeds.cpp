// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the small seed corpora of the fuzz targets with the program's own
// writers: make_seeds DIR creates DIR/<target>/ with a few valid inputs.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/book_file.h"
#include "data/codepage.h"
#include "data/default_aliases.h"
#include "data/verse_index.h"

namespace {

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string Bytes(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

}  // namespace

int main(int argc, char** argv) {
  using namespace skrybon;
  if (argc != 2) return 2;
  const std::filesystem::path root = argv[1];
  for (const char* target : {"fuzz_verse_index", "fuzz_book_file", "fuzz_aliases", "fuzz_parse_reference", "fuzz_profile"}) {
    std::filesystem::create_directories(root / target);
  }
  VerseIndex small(66, {{0, 1, 2}});
  small[18] = {{0, 1}, {2}, {3, 4, 5}};
  Write(root / "fuzz_verse_index" / "small.idx", Bytes(WriteVerseIndex(small)));
  VerseIndex wide(66, {{0}});
  wide[0] = std::vector<std::vector<std::uint16_t>>(40, {0});
  Write(root / "fuzz_verse_index" / "wide.idx", Bytes(WriteVerseIndex(wide)));

  Write(root / "fuzz_book_file" / "short.bg", Bytes(WriteStringArray({"abc", Cp("żółw")})));
  Write(root / "fuzz_book_file" / "long.bg", Bytes(WriteStringArray({std::string(300, 'a'), ""})));
  Write(root / "fuzz_book_file" / "utf16.bg", std::string("\x01\x00\xFF\xFE\xFF\x02\x41\x01\x6B\x00", 10));

  Write(root / "fuzz_aliases" / "bg_alias.txt", DefaultAliasFileText(TranslationId::BG));
  Write(root / "fuzz_aliases" / "tiny.txt", "; komentarz\r\nx,abc\nbez przecinka\ny,q.abd!e\n");

  Write(root / "fuzz_profile" / "crlf.ini",
        "; by hand\r\n[Skrybon]\r\n  Font Height = -14  \r\nWnd color=\r\n\r\n[Print Settings]\r\nHeader=1");
  Write(root / "fuzz_profile" / "odd.ini", "x=1\n[]\nk=v\n[S]  ; r\n[s]\nk\n=v\n[Unclosed\n[S]\r");

  int n = 0;
  for (const char* typed : {"1 Kor 13:4", "ps 23", "j 3::16", "Dz.Ap. 2:1", "rdz", "2  kor 1 1", "Łuk 24:53"}) {
    Write(root / "fuzz_parse_reference" / ("place" + std::to_string(n++)), Cp(typed));
  }
  return 0;
}
