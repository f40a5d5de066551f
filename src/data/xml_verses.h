// SPDX-License-Identifier: GPL-2.0-or-later
// Takes the verses out of OSIS and Zefania XML Bibles. An XML reader (the data
// tool uses a proper XML library) feeds element and text events; the collector
// keeps the text inside verses, leaves out notes and headings, collapses runs
// of white space and hands each verse to a CTranslationBuilder by place.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "data/translation_builder.h"

namespace skrybon {

struct XmlAttribute {
  std::string_view name;   // local name, without a namespace prefix
  std::string_view value;  // UTF-8, entities resolved
};

class CXmlVerseCollector {
 public:
  virtual ~CXmlVerseCollector() = default;
  // Element names are local names (no namespace prefix); text is UTF-8.
  virtual void StartElement(std::string_view name, std::span<const XmlAttribute> attributes) = 0;
  virtual void EndElement(std::string_view name) = 0;
  virtual void Characters(std::string_view text) = 0;
  // The document has ended: hands over a verse still open.
  virtual void Finish() = 0;
};

// OSIS: <verse osisID="Gen.1.1">…</verse> and the milestone form
// <verse sID="Gen.1.1" osisID="Gen.1.1"/>…<verse eID="Gen.1.1"/>.
std::unique_ptr<CXmlVerseCollector> MakeOsisCollector(CTranslationBuilder& builder);

// Zefania: <BIBLEBOOK bnumber="1"><CHAPTER cnumber="1"><VERS vnumber="1">…
std::unique_ptr<CXmlVerseCollector> MakeZefaniaCollector(CTranslationBuilder& builder);

}  // namespace skrybon
