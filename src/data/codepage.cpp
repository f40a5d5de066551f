// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <unordered_map>

namespace skrybon {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Unicode code points of bytes 0x80-0xFF; 0xFFFD marks the undefined bytes.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

char32_t CodePointOf(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> map;
    for (int i = 0; i < 128; ++i) {
      if (kHighHalf[i] != 0xFFFD) map.emplace(kHighHalf[i], static_cast<unsigned char>(0x80 + i));
    }
    return map;
  }();
  return table;
}

int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  const auto& table = ReverseTable();
  const auto it = table.find(cp);
  return it == table.end() ? -1 : it->second;
}

// Lower-case table built from the code page itself: a byte is a capital when
// its code point's lower-case partner (+0x20 in Latin-1, +1 in Latin Extended-A,
// and the few irregular pairs) is also in the code page.
const std::array<unsigned char, 256>& LowerTable() {
  static const auto table = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) t[b] = static_cast<unsigned char>(b + 32);
    for (int b = 0x80; b < 256; ++b) {
      const char32_t cp = CodePointOf(static_cast<unsigned char>(b));
      char32_t lower = 0;
      if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) lower = cp + 0x20;
      else if (cp >= 0x100 && cp <= 0x17F) {
        // Latin Extended-A pairs capital/small as even/odd, except in the
        // ranges 0x139-0x148 and 0x179-0x17E where the capital is odd.
        const bool oddCapital = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
        if ((cp % 2 == 1) == oddCapital) lower = cp + 1;
      }
      if (lower == 0) continue;
      const int lb = ByteOf(lower);
      if (lb >= 0) t[b] = static_cast<unsigned char>(lb);
    }
    return t;
  }();
  return table;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// A malformed sequence (a stray continuation byte, a cut-off or overlong
// sequence, a surrogate, a code point above U+10FFFF) yields U+FFFD for its
// first byte only, so the bytes after it are read again as text of their own.
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos) {
  const unsigned char lead = static_cast<unsigned char>(utf8[pos]);
  int extra = 0;
  char32_t cp = 0;
  char32_t lowest = 0;
  if (lead < 0x80) { ++pos; return lead; }
  if (lead >= 0xC2 && lead <= 0xDF) { cp = lead & 0x1F; extra = 1; lowest = 0x80; }
  else if (lead >= 0xE0 && lead <= 0xEF) { cp = lead & 0x0F; extra = 2; lowest = 0x800; }
  else if (lead >= 0xF0 && lead <= 0xF4) { cp = lead & 0x07; extra = 3; lowest = 0x10000; }
  else { ++pos; return kReplacement; }
  if (utf8.size() - pos <= static_cast<std::size_t>(extra)) { ++pos; return kReplacement; }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char next = static_cast<unsigned char>(utf8[pos + k]);
    if ((next & 0xC0) != 0x80) { ++pos; return kReplacement; }
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++pos; return kReplacement; }
  pos += 1 + extra;
  return cp;
}

std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t start = i;
    // A U+FFFD written in the text takes three bytes; a malformed byte one.
    if (DecodeUtf8(utf8, i) == kReplacement && i == start + 1) return start;
  }
  return std::nullopt;
}

int Cp1250ByteOf(char32_t cp) { return ByteOf(cp); }

std::string Cp1250ToUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() + cp1250.size() / 8);
  for (const char c : cp1250) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1250(std::string_view utf8, std::size_t* unmappable) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t bad = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const int b = ByteOf(DecodeUtf8(utf8, i));
    if (b < 0) { out += '?'; ++bad; }
    else out += static_cast<char>(b);
  }
  if (unmappable) *unmappable = bad;
  return out;
}

std::optional<char32_t> FirstCharOutsideCp1250(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t cp = DecodeUtf8(utf8, i);
    if (ByteOf(cp) < 0) return cp;
  }
  return std::nullopt;
}

std::string DescribeCodePoint(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  if (c == kReplacement) return std::string(code) + " (malformed UTF-8)";
  std::string out = std::string(code) + " '";
  AppendUtf8(out, c);
  return out + "'";
}

char Utf16ToCp1250(char16_t unit) {
  const int b = ByteOf(unit);
  return b < 0 ? '?' : static_cast<char>(b);
}

char Cp1250ToLower(char c) {
  return static_cast<char>(LowerTable()[static_cast<unsigned char>(c)]);
}

void Cp1250LowerInPlace(std::string& text) {
  const auto& table = LowerTable();
  for (char& c : text) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
}

std::string Cp1250Lower(std::string_view text) {
  std::string out(text);
  Cp1250LowerInPlace(out);
  return out;
}

bool AsciiEqualNoCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace skrybon
