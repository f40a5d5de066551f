// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/xml_verses.h"

#include <charconv>
#include <set>
#include <string>

#include "data/book_ids.h"
#include "data/codepage.h"

namespace skrybon {
namespace {

std::string_view Attribute(std::span<const XmlAttribute> attributes, std::string_view name) {
  for (const auto& a : attributes) {
    if (AsciiEqualNoCase(a.name, name)) return a.value;
  }
  return {};
}

bool HasAttribute(std::span<const XmlAttribute> attributes, std::string_view name) {
  for (const auto& a : attributes) {
    if (AsciiEqualNoCase(a.name, name)) return true;
  }
  return false;
}

int Number(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() ? value : -1;
}

// The text of one verse being read: white space runs become one blank, and
// the ends are trimmed when the verse is handed over.
class VerseText {
 public:
  void Append(std::string_view text) {
    for (const char c : text) {
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        pendingBlank_ = !text_.empty();
      } else {
        if (pendingBlank_) text_ += ' ';
        pendingBlank_ = false;
        text_ += c;
      }
    }
  }
  void Separate() { pendingBlank_ = !text_.empty(); }
  std::string Take() {
    pendingBlank_ = false;
    return std::move(text_);
  }

 private:
  std::string text_;
  bool pendingBlank_ = false;
};

// Reports each unknown book only once, not once per verse.
class UnknownBooks {
 public:
  void Report(CTranslationBuilder& builder, const std::string& name, const std::string& description) {
    if (seen_.insert(name).second) builder.Reject(description);
  }

 private:
  std::set<std::string> seen_;
};

class OsisCollector final : public CXmlVerseCollector {
 public:
  explicit OsisCollector(CTranslationBuilder& builder) : builder_(builder) {}

  void StartElement(std::string_view name, std::span<const XmlAttribute> attributes) override {
    if (skipDepth_ > 0) {
      ++skipDepth_;
      return;
    }
    if (name == "verse") {
      if (HasAttribute(attributes, "eID")) {
        Flush();
        return;
      }
      Flush();
      std::string_view id = Attribute(attributes, "osisID");
      if (id.empty()) id = Attribute(attributes, "sID");
      milestone_ = HasAttribute(attributes, "sID");
      Open(id);
      return;
    }
    if (name == "note" || (name == "title" && Attribute(attributes, "canonical") != "true")) {
      skipDepth_ = 1;
      return;
    }
    if (open_ && (name == "lb" || name == "l")) text_.Separate();
  }

  void EndElement(std::string_view name) override {
    if (skipDepth_ > 0) {
      --skipDepth_;
      return;
    }
    if (name == "verse" && !milestone_) Flush();
    if (open_ && name == "l") text_.Separate();
  }

  void Characters(std::string_view text) override {
    if (open_ && skipDepth_ == 0) text_.Append(text);
  }

  void Finish() override { Flush(); }

 private:
  // "Gen.1.1", possibly "Bible.PolGdanska:Gen.1.1" or several ids ("Gen.1.1 Gen.1.2"):
  // the first one counts.
  void Open(std::string_view id) {
    id = id.substr(0, id.find(' '));
    if (const auto colon = id.find(':'); colon != std::string_view::npos) id.remove_prefix(colon + 1);
    const auto dot1 = id.find('.');
    const auto dot2 = dot1 == std::string_view::npos ? dot1 : id.find('.', dot1 + 1);
    if (dot2 == std::string_view::npos) {
      builder_.Reject("verse with osisID '" + std::string(id) + "' names no chapter and verse");
      return;
    }
    const std::string osisBook(id.substr(0, dot1));
    const int book = BookFromOsisId(builder_.Id(), osisBook);
    if (book < 0) {
      unknown_.Report(builder_, osisBook,
                      "verses of OSIS book '" + osisBook + "', which " +
                          std::string(TranslationCode(builder_.Id())) + " does not have");
      return;
    }
    chapter_ = Number(id.substr(dot1 + 1, dot2 - dot1 - 1));
    verse_ = Number(id.substr(dot2 + 1));
    book_ = book;
    open_ = true;
  }

  void Flush() {
    if (!open_) return;
    open_ = false;
    builder_.AddVerse(book_, chapter_, verse_, text_.Take());
  }

  CTranslationBuilder& builder_;
  UnknownBooks unknown_;
  VerseText text_;
  bool open_ = false;
  bool milestone_ = false;
  int skipDepth_ = 0;
  int book_ = -1;
  int chapter_ = -1;
  int verse_ = -1;
};

class ZefaniaCollector final : public CXmlVerseCollector {
 public:
  explicit ZefaniaCollector(CTranslationBuilder& builder) : builder_(builder) {}

  void StartElement(std::string_view name, std::span<const XmlAttribute> attributes) override {
    if (skipDepth_ > 0) {
      ++skipDepth_;
      return;
    }
    if (AsciiEqualNoCase(name, "BIBLEBOOK")) {
      bookNumber_ = Attribute(attributes, "bnumber");
      book_ = BookFromZefaniaNumber(builder_.Id(), Number(bookNumber_));
      chapter_ = kNoChapter;
      if (book_ < 0) {
        unknown_.Report(builder_, bookNumber_,
                        "verses of Zefania book number '" + bookNumber_ + "', which " +
                            std::string(TranslationCode(builder_.Id())) + " does not have");
      }
    } else if (AsciiEqualNoCase(name, "CHAPTER")) {
      chapter_ = Number(Attribute(attributes, "cnumber"));
    } else if (AsciiEqualNoCase(name, "VERS")) {
      verse_ = Number(Attribute(attributes, "vnumber"));
      open_ = book_ >= 0 && chapter_ != kNoChapter;
      if (book_ >= 0 && chapter_ == kNoChapter) {
        builder_.Reject("VERS vnumber='" + std::string(Attribute(attributes, "vnumber")) + "' of Zefania book " +
                        bookNumber_ + " outside any CHAPTER");
      }
    } else if (AsciiEqualNoCase(name, "NOTE")) {
      skipDepth_ = 1;
    } else if (open_ && AsciiEqualNoCase(name, "BR")) {
      text_.Separate();
    }
  }

  void EndElement(std::string_view name) override {
    if (skipDepth_ > 0) {
      --skipDepth_;
      return;
    }
    if (AsciiEqualNoCase(name, "VERS") && open_) {
      open_ = false;
      builder_.AddVerse(book_, chapter_, verse_, text_.Take());
    } else if (AsciiEqualNoCase(name, "CHAPTER")) {
      chapter_ = kNoChapter;
    } else if (AsciiEqualNoCase(name, "BIBLEBOOK")) {
      book_ = -1;
    }
  }

  void Characters(std::string_view text) override {
    if (open_ && skipDepth_ == 0) text_.Append(text);
  }

  void Finish() override {}

 private:
  CTranslationBuilder& builder_;
  UnknownBooks unknown_;
  VerseText text_;
  bool open_ = false;
  int skipDepth_ = 0;
  std::string bookNumber_;
  int book_ = -1;
  // Outside a CHAPTER element; a malformed cnumber is -1 and rejected by the builder.
  static constexpr int kNoChapter = -2;
  int chapter_ = kNoChapter;
  int verse_ = -1;
};

}  // namespace

std::unique_ptr<CXmlVerseCollector> MakeOsisCollector(CTranslationBuilder& builder) {
  return std::make_unique<OsisCollector>(builder);
}

std::unique_ptr<CXmlVerseCollector> MakeZefaniaCollector(CTranslationBuilder& builder) {
  return std::make_unique<ZefaniaCollector>(builder);
}

}  // namespace skrybon
