// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/text_file.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

TEST(TextFile, SavedNameAddsTxtOnlyWithoutExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/wynik", "/tmp/wynik.txt"},
      {"/tmp/wynik.doc", "/tmp/wynik.doc"},
      {"/tmp/wynik.txt", "/tmp/wynik.txt"},
      {"/tmp/wynik.", "/tmp/wynik.txt"},
      {"/tmp/a.b/wynik", "/tmp/a.b/wynik.txt"},  // a dot in the folder is no extension
      {"/tmp/wynik.tar.gz", "/tmp/wynik.tar.gz"},
      {"wynik", "wynik.txt"},
  };
  for (const auto& [chosen, written] : cases) EXPECT_EQ(SavedFileName(chosen), written) << chosen;
}

TEST(TextFile, SavedBytesInEachEncoding) {
  const struct {
    std::string_view cp1250;
    TextFileEncoding encoding;
    std::string_view bytes;
  } cases[] = {
      {"\xBFyj\r\na\r", TextFileEncoding::Cp1250CrLf, "\xBFyj\r\na\r"},
      {"\xBFyj\r\na", TextFileEncoding::Utf8Lf, "\xC5\xBCyj\na"},
      {"a\rb\r\r\n", TextFileEncoding::Utf8Lf, "a\rb\r\n"},  // a lone CR is kept
  };
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> saved = EncodeTextFile(c.cp1250, c.encoding);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(saved.data()), saved.size()), c.bytes) << c.cp1250;
  }
}

}  // namespace
}  // namespace skrybon
