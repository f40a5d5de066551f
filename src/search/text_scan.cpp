// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/text_scan.h"

#include <algorithm>
#include <cstring>

#include "data/book_file.h"
#include "data/codepage.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#define SKRYBON_AVX2 1
#endif

namespace skrybon {
namespace {

const std::array<char, 256>& FoldTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = Cp1250ToLower(static_cast<char>(b));
    return t;
  }();
  return table;
}

// For every lower-cased byte, the bytes that fold to it, e.g. 'a' and 'A'.
struct FoldSources {
  std::array<std::vector<char>, 256> of;
};

const FoldSources& Sources() {
  static const FoldSources sources = [] {
    FoldSources s;
    const auto& fold = FoldTable();
    for (int b = 0; b < 256; ++b) {
      s.of[static_cast<unsigned char>(fold[static_cast<std::size_t>(b)])].push_back(static_cast<char>(b));
    }
    return s;
  }();
  return sources;
}

// Fills bytes with the bytes of the text that match needle byte c; false
// when there are more of them than bytes holds.
bool MatchingBytes(char c, bool foldCase, std::array<char, 2>& bytes) {
  bytes.fill(c);
  if (!foldCase) return true;
  const std::vector<char>& sources = Sources().of[static_cast<unsigned char>(c)];
  if (sources.size() > bytes.size()) return false;
  for (std::size_t i = 0; i < sources.size(); ++i) bytes[i] = sources[i];
  return true;
}

#if defined(SKRYBON_AVX2)
// Asked once, when the first finder is made, in two questions: under a
// virtual machine each costs microseconds (the compiler's own check asks
// dozens at every start).
bool HasAvx2() {
  static const bool has = [] {
    unsigned a = 0, b = 0, c = 0, d = 0;
    __cpuid(1, a, b, c, d);
    // A processor with AVX answers the question about leaf 7; the system
    // must save the wide registers (bits 1 and 2 of XCR0).
    if ((c & bit_OSXSAVE) == 0 || (c & bit_AVX) == 0) return false;
    unsigned xcr0 = 0, xcr0High = 0;
    __asm__("xgetbv" : "=a"(xcr0), "=d"(xcr0High) : "c"(0));
    if ((xcr0 & 6) != 6) return false;
    __cpuid_count(7, 0, a, b, c, d);
    return (b & bit_AVX2) != 0;
  }();
  return has;
}
#endif

std::uint32_t Word(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }

std::uint32_t Dword(const std::uint8_t* p) { return Word(p) | (Word(p + 2) << 16); }

}  // namespace

bool FindPlainStrings(std::span<const std::uint8_t> bytes, std::vector<std::uint32_t>& starts,
                      std::vector<std::uint32_t>& ends) {
  // The same rules as ForEachString, without a call per byte: a count of 16
  // bits (0xFFFF: 32 bits follow), then each string's length in one byte,
  // or 0xFF and 16 bits (0xFFFF: 32 bits follow; 0xFFFE: UTF-16), and its bytes.
  const std::uint8_t* const data = bytes.data();
  const std::size_t size = bytes.size();
  if (size > UINT32_MAX) return false;
  std::size_t pos = 0;
  const auto have = [&](std::size_t n) { return n <= size - pos; };
  if (!have(2)) return false;
  std::uint32_t count = Word(data);
  pos = 2;
  if (count == 0xFFFF) {
    if (!have(4)) return false;
    count = Dword(data + pos);
    pos += 4;
  }
  if (count > size - pos || count > kMaxBookFileVerses) return false;
  starts.resize(count);
  ends.resize(count);
  for (std::uint32_t k = 0; k < count; ++k) {
    // Each length is known only once the one before it has been read, so
    // the bytes further on are asked for early.
    __builtin_prefetch(data + std::min(pos + 512, size));
    if (!have(1)) return false;
    std::size_t length = data[pos++];
    if (length == 0xFF) {
      if (!have(2)) return false;
      length = Word(data + pos);
      pos += 2;
      if (length == 0xFFFE) return false;
      if (length == 0xFFFF) {
        if (!have(4)) return false;
        length = Dword(data + pos);
        pos += 4;
      }
    }
    if (!have(length)) return false;
    starts[k] = static_cast<std::uint32_t>(pos);
    pos += length;
    ends[k] = static_cast<std::uint32_t>(pos);
  }
  return true;
}

CSubstringFinder::CSubstringFinder(std::string_view needle, bool foldCase)
    : needle_(foldCase ? Cp1250Lower(needle) : std::string(needle)), foldCase_(foldCase) {
  if (needle_.empty()) return;
  vectorised_ = MatchingBytes(needle_.front(), foldCase_, firstBytes_) &&
                MatchingBytes(needle_.back(), foldCase_, lastBytes_);
#if defined(SKRYBON_AVX2)
  wide_ = vectorised_ && HasAvx2();
#endif
}

bool CSubstringFinder::MatchesAt(const char* at) const {
  if (!foldCase_) return std::memcmp(at, needle_.data(), needle_.size()) == 0;
  const auto& fold = FoldTable();
  for (std::size_t k = 0; k < needle_.size(); ++k) {
    if (fold[static_cast<unsigned char>(at[k])] != needle_[k]) return false;
  }
  return true;
}

// Candidates are the places where both the first and the last byte of the
// needle match (in either letter case when folding); only those are
// compared in full.
std::size_t CSubstringFinder::FindInBlocks16([[maybe_unused]] const char* data, [[maybe_unused]] std::size_t n,
                                             [[maybe_unused]] std::size_t& i) const {
#if defined(__SSE2__)
  const std::size_t length = needle_.size();
  const __m128i first0 = _mm_set1_epi8(firstBytes_[0]);
  const __m128i first1 = _mm_set1_epi8(firstBytes_[1]);
  const __m128i last0 = _mm_set1_epi8(lastBytes_[0]);
  const __m128i last1 = _mm_set1_epi8(lastBytes_[1]);
  for (; i + length - 1 + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + length - 1));
    const __m128i firstHits = _mm_or_si128(_mm_cmpeq_epi8(a, first0), _mm_cmpeq_epi8(a, first1));
    const __m128i lastHits = _mm_or_si128(_mm_cmpeq_epi8(b, last0), _mm_cmpeq_epi8(b, last1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(firstHits, lastHits)));
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
      if (MatchesAt(data + at)) return at;
    }
  }
#endif
  return std::string_view::npos;
}

#if defined(SKRYBON_AVX2)
__attribute__((target("avx2")))
#endif
std::size_t
CSubstringFinder::FindInBlocks32([[maybe_unused]] const char* data, [[maybe_unused]] std::size_t n,
                                 [[maybe_unused]] std::size_t& i) const {
#if defined(SKRYBON_AVX2)
  const std::size_t length = needle_.size();
  const __m256i first0 = _mm256_set1_epi8(firstBytes_[0]);
  const __m256i first1 = _mm256_set1_epi8(firstBytes_[1]);
  const __m256i last0 = _mm256_set1_epi8(lastBytes_[0]);
  const __m256i last1 = _mm256_set1_epi8(lastBytes_[1]);
  for (; i + length - 1 + 32 <= n; i += 32) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i + length - 1));
    const __m256i firstHits = _mm256_or_si256(_mm256_cmpeq_epi8(a, first0), _mm256_cmpeq_epi8(a, first1));
    const __m256i lastHits = _mm256_or_si256(_mm256_cmpeq_epi8(b, last0), _mm256_cmpeq_epi8(b, last1));
    auto mask = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(firstHits, lastHits)));
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
      if (MatchesAt(data + at)) return at;
    }
  }
#endif
  return std::string_view::npos;
}

std::size_t CSubstringFinder::Find(std::string_view text, std::size_t from) const {
  const std::size_t n = text.size();
  const std::size_t length = needle_.size();
  if (from > n) return std::string_view::npos;
  if (length == 0) return from;
  if (length > n - from) return std::string_view::npos;
  const char* data = text.data();
  if (length == 1 && !foldCase_) {
    const void* hit = std::memchr(data + from, needle_[0], n - from);
    return hit == nullptr ? std::string_view::npos : static_cast<std::size_t>(static_cast<const char*>(hit) - data);
  }
  std::size_t i = from;
  if (wide_) {
    if (const std::size_t at = FindInBlocks32(data, n, i); at != std::string_view::npos) return at;
  }
  if (vectorised_) {
    if (const std::size_t at = FindInBlocks16(data, n, i); at != std::string_view::npos) return at;
  }
  if (!foldCase_) return text.find(needle_, i);
  for (; i + length <= n; ++i) {
    if (MatchesAt(data + i)) return i;
  }
  return std::string_view::npos;
}

}  // namespace skrybon
