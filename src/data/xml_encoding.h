// SPDX-License-Identifier: GPL-2.0-or-later
// The character encoding of an imported XML Bible. The document is read in
// the encoding its byte order mark or XML declaration names (UTF-8 when it
// names none) and handed on as UTF-8; an encoding the import does not know,
// or bytes that are not valid in the named encoding, are refused with their
// position instead of turning into wrong letters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace skrybon {

enum class XmlEncoding { Utf8, Utf16Le, Utf16Be, Windows1250, Iso8859_2 };

struct DecodedXml {
  std::string utf8;                         // the document, without a byte order mark
  XmlEncoding encoding = XmlEncoding::Utf8;
  std::size_t bomSize = 0;                  // bytes of the byte order mark in the file
  std::string error;                        // why the document cannot be read ("" when it can)

  // The file's byte offset of a byte offset into utf8 (for error messages).
  std::size_t FileOffset(std::size_t utf8Offset) const;
};

DecodedXml DecodeXmlDocument(std::span<const std::uint8_t> bytes);

}  // namespace skrybon
