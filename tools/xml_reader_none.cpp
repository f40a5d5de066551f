// Stand-in for builds without Qt Core: XML input is refused with a clear message.
#include "xml_reader.h"

namespace skrybon::tool {

std::optional<std::string> ReadXmlFile(const std::string&, CXmlVerseCollector&) {
  return "this skrybon-tool was built without Qt Core and cannot read XML; use --format tsv";
}

}  // namespace skrybon::tool
