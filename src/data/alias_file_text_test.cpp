// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/alias_file_text.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace skrybon {
namespace {

struct RoundTripCase {
  const char* name;
  std::string file;      // Windows-1250 bytes
  std::string editable;  // UTF-8 shown in the editor
  CLineEnd lineEnd;
};

TEST(AliasFileText, OpeningAndSavingUnchangedGivesTheSameBytes) {
  const RoundTripCase cases[] = {
      {"CR LF kept", Cp("Rodzaju,Rdz\r\nWyjścia,Wj\r\n"), "Rodzaju,Rdz\nWyjścia,Wj\n", CLineEnd::CrLf},
      {"LF kept", Cp("Rodzaju,Rdz\nŁukasza,Łk"), "Rodzaju,Rdz\nŁukasza,Łk", CLineEnd::Lf},
      {"no line end: CR LF", "Rdz,rdz", "Rdz,rdz", CLineEnd::CrLf},
      {"new file: CR LF", "", "", CLineEnd::CrLf},
      {"mixed: CR LF wins", "a,b\r\nc,d\ne,f", "a,b\nc,d\ne,f", CLineEnd::CrLf},
      {"empty lines", "\r\n\r\n", "\n\n", CLineEnd::CrLf},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CEditableAliasText text = AliasFileToEditable(c.file);
    EXPECT_EQ(text.utf8, c.editable);
    EXPECT_EQ(text.lineEnd, c.lineEnd);
    const auto saved = EditableToAliasFile(text.utf8, text.lineEnd);
    ASSERT_TRUE(std::holds_alternative<std::string>(saved));
    // The mixed file comes back with CR LF everywhere; every other one unchanged.
    if (std::string_view(c.name).starts_with("mixed")) EXPECT_EQ(std::get<std::string>(saved), "a,b\r\nc,d\r\ne,f");
    else EXPECT_EQ(std::get<std::string>(saved), c.file);
  }
}

TEST(AliasFileText, EditedPolishTextIsWrittenInWindows1250WithTheFileLineEnds) {
  const auto saved = EditableToAliasFile("Psalmów,Ps\nŻółć,Żł\n", CLineEnd::CrLf);
  ASSERT_TRUE(std::holds_alternative<std::string>(saved));
  EXPECT_EQ(std::get<std::string>(saved), Cp("Psalmów,Ps\r\nŻółć,Żł\r\n"));
}

TEST(AliasFileText, ACharacterOutsideTheCodePageIsRefusedWithItsLine) {
  struct Case {
    const char* text;
    int line;
    char32_t character;
  };
  const Case cases[] = {
      {"α,a", 1, U'α'},
      {"Rdz,rdz\nPs,ps\nJan,J€„”,Ж\n", 3, U'Ж'},  // € „ ” are in the code page
      {"ok\n\n😀", 3, U'\U0001F600'},
      {"a\xff", 1, U'\uFFFD'},  // malformed UTF-8
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto saved = EditableToAliasFile(c.text, CLineEnd::Lf);
    ASSERT_TRUE(std::holds_alternative<CUnsavableCharacter>(saved));
    EXPECT_EQ(std::get<CUnsavableCharacter>(saved).line, c.line);
    EXPECT_EQ(std::get<CUnsavableCharacter>(saved).character, c.character);
  }
}

}  // namespace
}  // namespace skrybon
