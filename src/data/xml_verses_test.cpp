// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/xml_verses.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace skrybon {
namespace {

// Feeds a collector the way an XML reader would.
class Feed {
 public:
  explicit Feed(CXmlVerseCollector& c) : c_(c) {}
  Feed& Start(std::string_view name, std::vector<XmlAttribute> attributes = {}) {
    c_.StartElement(name, attributes);
    return *this;
  }
  Feed& Empty(std::string_view name, std::vector<XmlAttribute> attributes = {}) {
    c_.StartElement(name, attributes);
    c_.EndElement(name);
    return *this;
  }
  Feed& End(std::string_view name) {
    c_.EndElement(name);
    return *this;
  }
  Feed& Text(std::string_view text) {
    c_.Characters(text);
    return *this;
  }

 private:
  CXmlVerseCollector& c_;
};

TEST(OsisVerses, ContainerAndMilestoneVersesWithoutNotesOrHeadings) {
  CTranslationBuilder builder(TranslationId::BG);
  const auto osis = MakeOsisCollector(builder);
  Feed(*osis)
      .Start("div", {{"osisID", "Gen"}})
      .Start("title").Text("Pierwsza księga").End("title")
      .Start("verse", {{"osisID", "Gen.1.1"}})
      .Text("  Na ")
      .Start("w").Text("początku").End("w")
      .Start("note").Text("przypis").End("note")
      .Text("\n stworzył ")
      .End("verse")
      .Text(" między wersetami ")
      .Empty("verse", {{"osisID", "Bible.pl:Gen.1.2 Gen.1.3"}, {"sID", "x"}})
      .Text("drugi")
      .Empty("lb")
      .Text("wiersz")
      .Empty("verse", {{"eID", "x"}})
      .Text("poza wersetem")
      .Empty("verse", {{"osisID", "Tob.1.1"}, {"sID", "t"}})
      .Text("księga, której BG nie ma")
      .Empty("verse", {{"sID", "Tob.1.2"}})  // the same unknown book is reported once
      .Empty("verse", {{"osisID", "Exod.2.1"}, {"sID", "e"}})
      .Text("ostatni bez końca");
  osis->Finish();
  const BuiltTranslation built = builder.Build();
  EXPECT_EQ(built.books[0], (std::vector<std::string>{Cp("Na początku stworzył"), "drugi wiersz"}));
  EXPECT_EQ(built.books[1].back(), Cp("ostatni bez końca"));
  EXPECT_EQ(builder.Report().rejected.count, 1u);
  EXPECT_NE(builder.Report().rejected.first.find("Tob"), std::string::npos);
}

TEST(ZefaniaVerses, BooksChaptersAndVersesByNumber) {
  CTranslationBuilder builder(TranslationId::BT);
  const auto zef = MakeZefaniaCollector(builder);
  Feed(*zef)
      .Start("XMLBIBLE")
      .Start("BIBLEBOOK", {{"bnumber", "69"}, {"bname", "Tobit"}})
      .Start("CHAPTER", {{"cnumber", "2"}})
      .Start("CAPTION").Text("nagłówek").End("CAPTION")
      .Start("VERS", {{"vnumber", "1"}}).Text("Tobiasz").Start("NOTE").Text("uwaga").End("NOTE").End("VERS")
      .Start("VERS", {{"vnumber", " 2 "}}).Text("a").Empty("BR").Text("b").End("VERS")
      .End("CHAPTER")
      .Start("VERS", {{"vnumber", "3"}}).Text("poza rozdziałem").End("VERS")  // not in chapter 2
      .End("BIBLEBOOK")
      .Start("BIBLEBOOK", {{"bnumber", "99"}})
      .Start("CHAPTER", {{"cnumber", "1"}})
      .Start("VERS", {{"vnumber", "1"}}).Text("nieznana").End("VERS")
      .Start("VERS", {{"vnumber", "2"}}).Text("nieznana").End("VERS")
      .End("CHAPTER")
      .End("BIBLEBOOK");
  zef->Finish();
  const BuiltTranslation built = builder.Build();
  EXPECT_EQ(built.index[16].size(), 2u);  // chapter 1 filled in
  EXPECT_EQ(built.books[16], (std::vector<std::string>{"", "Tobiasz", "a b"}));
  EXPECT_EQ(builder.Report().rejected.count, 2u);
  EXPECT_EQ(builder.Report().rejected.first, "VERS vnumber='3' of Zefania book 69 outside any CHAPTER");
  EXPECT_EQ(builder.Report().chapterGaps.count, 1u);
}

}  // namespace
}  // namespace skrybon
