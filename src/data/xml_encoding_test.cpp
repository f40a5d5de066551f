// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/xml_encoding.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Utf16(std::u16string_view text, bool bigEndian, bool bom) {
  std::vector<std::uint8_t> out;
  const auto put = [&](char16_t u) {
    const auto hi = static_cast<std::uint8_t>(u >> 8), lo = static_cast<std::uint8_t>(u & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
  };
  if (bom) put(0xFEFF);
  for (const char16_t u : text) put(u);
  return out;
}

TEST(XmlEncoding, DeclaredEncodingsAreReadAsUtf8) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::string_view utf8;
  } cases[] = {
      {"no declaration", Bytes("<a>zażółć</a>"), "<a>zażółć</a>"},
      {"UTF-8 byte order mark", Bytes("\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><a>ż</a>"),
       "<?xml version='1.0' encoding='utf-8'?><a>ż</a>"},
      {"Windows-1250", Bytes("<?xml version=\"1.0\" encoding=\"windows-1250\"?><a>za\xBF\xF3\xB3\xE6 \x9C\xB9</a>"),
       "<?xml version=\"1.0\" encoding=\"windows-1250\"?><a>zażółć śą</a>"},
      {"ISO-8859-2", Bytes("<?xml version='1.0' encoding = 'ISO-8859-2' ?><a>\xB1\xB6\xBC\xBF\xA3</a>"),
       "<?xml version='1.0' encoding = 'ISO-8859-2' ?><a>ąśźżŁ</a>"},
      {"UTF-16LE with a byte order mark", Utf16(u"<a>ż\U0001F600</a>", false, true), "<a>ż\U0001F600</a>"},
      {"UTF-16BE without one", Utf16(u"<?xml version='1.0' encoding='UTF-16'?><a>ł</a>", true, false),
       "<?xml version='1.0' encoding='UTF-16'?><a>ł</a>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedXml decoded = DecodeXmlDocument(c.bytes);
    EXPECT_EQ(decoded.error, "");
    EXPECT_EQ(decoded.utf8, c.utf8);
  }
}

TEST(XmlEncoding, UnknownEncodingsAndInvalidBytesAreRefusedWithTheirPlace) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::string_view error;
  } cases[] = {
      {"invalid UTF-8", Bytes("<a>ok \xC3( </a>"), "byte 6: invalid UTF-8"},
      {"after a byte order mark", Bytes("\xEF\xBB\xBF<a>\xBF</a>"), "byte 6: invalid UTF-8"},
      {"an overlong form", Bytes("<a>\xC0\xAF</a>"), "byte 3: invalid UTF-8"},
      {"an unknown encoding", Bytes("<?xml version='1.0' encoding='KOI8-R'?><a/>"),
       "declares the encoding 'KOI8-R'; the import reads UTF-8, UTF-16, Windows-1250 and ISO-8859-2"},
      {"UTF-16 declared, 8-bit written", Bytes("<?xml version='1.0' encoding='UTF-16'?><a/>"),
       "declares the encoding 'UTF-16' but is not written in UTF-16"},
      {"a byte order mark against the declaration",
       Bytes("\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1250'?><a/>"),
       "starts with a UTF-8 byte order mark but declares the encoding 'windows-1250'"},
      {"a byte Windows-1250 leaves undefined", Bytes("<?xml encoding='cp1250'?><a>\x81</a>"),
       "byte 28: a byte that is no Windows-1250 character"},
      {"a lone surrogate", Utf16(u"<a>\xDC00</a>", false, true), "byte 8: invalid UTF-16 (a low surrogate without a high one)"},
      {"an odd length", [] { auto b = Utf16(u"<a/>", true, true); b.push_back('x'); return b; }(),
       "byte 10: invalid UTF-16 (the file ends in the middle of a character)"},
      {"a NUL byte", Bytes(std::string_view("<a>x\0</a>", 9)), "byte 4: a NUL character, which XML does not allow"},
      {"a NUL in UTF-16", Utf16(std::u16string_view(u"<a>\0</a>", 8), false, true),
       "byte 8: a NUL character, which XML does not allow"},
      {"UTF-32 with a byte order mark", Bytes(std::string_view("\xFF\xFE\0\0<\0\0\0", 8)),
       "written in UTF-32; the import reads UTF-8, UTF-16, Windows-1250 and ISO-8859-2"},
      {"UTF-32BE without one", Bytes(std::string_view("\0\0\0<\0\0\0a", 8)),
       "written in UTF-32; the import reads UTF-8, UTF-16, Windows-1250 and ISO-8859-2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeXmlDocument(c.bytes).error, c.error);
  }
}

TEST(XmlEncoding, ErrorOffsetsPointIntoTheFileAsWritten) {
  // "<a>ż" is 5 bytes of UTF-8: 4 bytes of Windows-1250, 8 of UTF-16 (+2 for the mark).
  const DecodedXml cp1250 = DecodeXmlDocument(Bytes("<?xml encoding='windows-1250'?><a>\xBF<"));
  const std::size_t after = cp1250.utf8.size() - 1;
  EXPECT_EQ(cp1250.FileOffset(after), after - 1);
  const DecodedXml utf16 = DecodeXmlDocument(Utf16(u"<a>\U0001F600<", false, true));
  EXPECT_EQ(utf16.FileOffset(utf16.utf8.size() - 1), 2u + 2 * 5);
  const DecodedXml utf8 = DecodeXmlDocument(Bytes("\xEF\xBB\xBF<a>"));
  EXPECT_EQ(utf8.FileOffset(1), 4u);
}

}  // namespace
}  // namespace skrybon
