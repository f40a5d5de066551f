// SPDX-License-Identifier: GPL-2.0-or-later
// Reads an XML file and feeds its elements and text to a verse collector.
#pragma once

#include <optional>
#include <string>

#include "data/xml_verses.h"

namespace skrybon::tool {

// Returns a message (UTF-8) when the file cannot be read or is not
// well-formed XML, or when this build has no XML reader.
std::optional<std::string> ReadXmlFile(const std::string& path, CXmlVerseCollector& collector);

}  // namespace skrybon::tool
