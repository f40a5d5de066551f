// The XML reader of the data tool: pugixml. The document is parsed whole, then
// walked in document order without recursion, so a deeply nested file cannot
// exhaust the stack.
#include "xml_reader.h"

#include <pugixml.hpp>

#include <string_view>
#include <vector>

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
  pugi::xml_document document;
  // Blank text between elements separates words, so it is kept.
  const pugi::xml_parse_result parsed =
      document.load_file(path.c_str(), pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_auto);
  if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error) {
    return "cannot read " + path;
  }
  if (!parsed) {
    return path + ": byte " + std::to_string(parsed.offset) + ": " + parsed.description();
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
