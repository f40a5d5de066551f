// SPDX-License-Identifier: GPL-2.0-or-later
// The XML reader of the data tool: pugixml. The file is read whole (regular
// files only) and decoded to UTF-8 by its declared encoding, then parsed and
// walked in document order without recursion, so a deeply nested file cannot
// exhaust the stack.
#include "xml_reader.h"

#include <pugixml.hpp>

#include <string_view>
#include <vector>

#include "data/whole_file.h"
#include "data/xml_encoding.h"

namespace skrybon::tool {
namespace {

std::string_view LocalName(std::string_view name) {
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

void StartElement(const pugi::xml_node& node, CXmlVerseCollector& collector,
                  std::vector<XmlAttribute>& attributes) {
  attributes.clear();
  for (const pugi::xml_attribute& a : node.attributes()) {
    attributes.push_back({LocalName(a.name()), a.value()});
  }
  collector.StartElement(LocalName(node.name()), attributes);
}

}  // namespace

std::optional<std::string> ReadXmlFile(const std::string& path, CXmlVerseCollector& collector) {
  std::vector<std::uint8_t> bytes;
  if (const auto read = ReadWholeFile(path, bytes); !read) return "cannot read " + path + ": " + read.reason;
  DecodedXml decoded = DecodeXmlDocument(bytes);
  if (!decoded.error.empty()) return path + ": " + decoded.error;
  bytes = {};

  pugi::xml_document document;
  // Blank text between elements separates words, so it is kept. The text is
  // UTF-8 by now, whatever the declaration says.
  const pugi::xml_parse_result parsed =
      document.load_buffer_inplace(decoded.utf8.data(), decoded.utf8.size(),
                                   pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_utf8);
  if (!parsed) {
    return path + ": byte " + std::to_string(decoded.FileOffset(static_cast<std::size_t>(parsed.offset))) + ": " +
           parsed.description();
  }

  std::vector<XmlAttribute> attributes;
  pugi::xml_node node = document.first_child();
  while (node) {
    if (node.type() == pugi::node_element) {
      StartElement(node, collector, attributes);
      if (node.first_child()) {
        node = node.first_child();
        continue;
      }
      collector.EndElement(LocalName(node.name()));
    } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      collector.Characters(node.value());
    }
    // Next in document order: the next sibling, or climb, closing elements.
    while (node && !node.next_sibling()) {
      node = node.parent();
      if (!node || node == document) return collector.Finish(), std::nullopt;
      collector.EndElement(LocalName(node.name()));
    }
    if (node) node = node.next_sibling();
  }
  collector.Finish();
  return std::nullopt;
}

}  // namespace skrybon::tool
