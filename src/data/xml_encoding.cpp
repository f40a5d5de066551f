// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/xml_encoding.h"

#include <algorithm>
#include <array>
#include <optional>

#include "data/codepage.h"

namespace skrybon {
namespace {

constexpr std::string_view kKnownEncodings = "UTF-8, UTF-16, Windows-1250 and ISO-8859-2";

std::string At(std::size_t offset, std::string_view what) {
  return "byte " + std::to_string(offset) + ": " + std::string(what);
}

// The value of encoding="…" in the XML declaration at the start, or "".
std::string DeclaredEncoding(std::string_view text) {
  if (!text.starts_with("<?xml")) return {};
  text = text.substr(0, text.find("?>"));
  const auto name = text.find("encoding");
  if (name == std::string_view::npos) return {};
  text.remove_prefix(name + 8);
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  if (!text.starts_with('=')) return {};
  text.remove_prefix(1);
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  if (text.empty() || (text.front() != '"' && text.front() != '\'')) return {};
  const char quote = text.front();
  text.remove_prefix(1);
  return std::string(text.substr(0, text.find(quote)));
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(), [name](std::string_view n) { return AsciiEqualNoCase(name, n); });
}

bool IsUtf16Name(std::string_view name) { return IsOneOf(name, {"UTF-16", "UTF16", "UTF-16LE", "UTF-16BE"}); }

std::string DecodeUtf16(std::string_view bytes, bool bigEndian, std::size_t bom, std::string& error) {
  std::string out;
  out.reserve(bytes.size());
  const auto unitAt = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    if (i + 1 >= bytes.size()) {
      error = At(bom + i, "invalid UTF-16 (the file ends in the middle of a character)");
      return {};
    }
    const char16_t unit = unitAt(i);
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      error = At(bom + i, "invalid UTF-16 (a low surrogate without a high one)");
      return {};
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const char16_t low = i + 3 < bytes.size() ? unitAt(i + 2) : 0;
      if (low < 0xDC00 || low > 0xDFFF) {
        error = At(bom + i, "invalid UTF-16 (a high surrogate without a low one)");
        return {};
      }
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
      i += 2;
      continue;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

// ISO-8859-2 agrees with Windows-1250 from 0xC0 up; 0x80-0x9F are control
// characters and 0xA0-0xBF differ.
constexpr std::array<char16_t, 32> kLatin2A0 = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7,
    0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B,
    0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C,
};

std::string Latin2ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0xA0) AppendUtf8(out, b);
    else if (b < 0xC0) AppendUtf8(out, kLatin2A0[b - 0xA0]);
    else out += Cp1250ToUtf8(std::string_view(&c, 1));
  }
  return out;
}

// The bytes Windows-1250 leaves undefined.
std::optional<std::size_t> FirstUndefinedCp1250Byte(std::string_view bytes) {
  const auto at = bytes.find_first_of("\x81\x83\x88\x90\x98");
  return at == std::string_view::npos ? std::nullopt : std::optional(at);
}

}  // namespace

std::size_t DecodedXml::FileOffset(std::size_t utf8Offset) const {
  const std::string_view before = std::string_view(utf8).substr(0, utf8Offset);
  if (encoding == XmlEncoding::Utf8) return bomSize + before.size();
  std::size_t units = 0;  // characters, and UTF-16 code units
  for (const char c : before) {
    const auto b = static_cast<unsigned char>(c);
    if ((b & 0xC0) != 0x80) units += b >= 0xF0 ? 2 : 1;
  }
  const bool utf16 = encoding == XmlEncoding::Utf16Le || encoding == XmlEncoding::Utf16Be;
  return bomSize + (utf16 ? 2 * units : units);
}

namespace {

DecodedXml Decode(std::span<const std::uint8_t> bytes) {
  DecodedXml result;
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  // UTF-32 first: its little-endian byte order mark begins like UTF-16's.
  for (const std::string_view start : {std::string_view("\xFF\xFE\0\0", 4), std::string_view("\0\0\xFE\xFF", 4),
                                       std::string_view("<\0\0\0", 4), std::string_view("\0\0\0<", 4)}) {
    if (text.starts_with(start)) {
      result.error = "written in UTF-32; the import reads " + std::string(kKnownEncodings);
      return result;
    }
  }
  // A byte order mark, or the "<?" of a declaration, shows a UTF-16 file.
  const bool le = text.starts_with("\xFF\xFE") || text.starts_with(std::string_view("<\0?\0", 4));
  const bool be = text.starts_with("\xFE\xFF") || text.starts_with(std::string_view("\0<\0?", 4));
  if (le || be) {
    result.encoding = le ? XmlEncoding::Utf16Le : XmlEncoding::Utf16Be;
    result.bomSize = static_cast<unsigned char>(text[0]) >= 0xFE ? 2 : 0;
    result.utf8 = DecodeUtf16(text.substr(result.bomSize), be, result.bomSize, result.error);
    if (!result.error.empty()) return result;
    if (const std::string declared = DeclaredEncoding(result.utf8); !declared.empty() && !IsUtf16Name(declared)) {
      result.error = "written in UTF-16 but declares the encoding '" + declared + "'";
    }
    return result;
  }
  const bool utf8Bom = text.starts_with("\xEF\xBB\xBF");
  if (utf8Bom) {
    result.bomSize = 3;
    text.remove_prefix(3);
  }
  const std::string declared = DeclaredEncoding(text);
  if (declared.empty() || IsOneOf(declared, {"UTF-8", "UTF8", "US-ASCII", "ASCII"})) {
    if (const auto bad = FirstInvalidUtf8(text)) {
      result.error = At(result.bomSize + *bad, "invalid UTF-8");
      return result;
    }
    result.utf8 = std::string(text);
    return result;
  }
  if (utf8Bom) {
    result.error = "starts with a UTF-8 byte order mark but declares the encoding '" + declared + "'";
  } else if (IsOneOf(declared, {"windows-1250", "cp1250", "x-cp1250"})) {
    result.encoding = XmlEncoding::Windows1250;
    if (const auto bad = FirstUndefinedCp1250Byte(text)) {
      result.error = At(*bad, "a byte that is no Windows-1250 character");
      return result;
    }
    result.utf8 = Cp1250ToUtf8(text);
  } else if (IsOneOf(declared, {"ISO-8859-2", "ISO8859-2", "ISO_8859-2", "latin2", "latin-2", "l2"})) {
    result.encoding = XmlEncoding::Iso8859_2;
    result.utf8 = Latin2ToUtf8(text);
  } else if (IsUtf16Name(declared)) {
    result.error = "declares the encoding '" + declared + "' but is not written in UTF-16";
  } else {
    result.error = "declares the encoding '" + declared + "'; the import reads " + std::string(kKnownEncodings);
  }
  return result;
}

}  // namespace

DecodedXml DecodeXmlDocument(std::span<const std::uint8_t> bytes) {
  DecodedXml result = Decode(bytes);
  if (const auto nul = result.utf8.find('\0'); result.error.empty() && nul != std::string::npos) {
    result.error = At(result.FileOffset(nul), "a NUL character, which XML does not allow");
  }
  return result;
}

}  // namespace skrybon
