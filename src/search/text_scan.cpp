#include "search/text_scan.h"

#include <array>
#include <cstring>

#include "data/codepage.h"

#if defined(__SSE2__)
#include <emmintrin.h>
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

// The folding splits into two ranges that change by setting bit 0x20, A-Z and
// 0xC0-0xDE, and a few bytes that the ranges get wrong (capitals outside
// them, and bytes inside them that stay as they are); those few are looked up
// in the table one by one.
bool InCaseRanges(int b) { return (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE); }

struct FoldExceptions {
  std::array<char, 16> bytes{};
  std::size_t count = 0;
  bool fits = true;  // false: too many exceptions for the block loop
};

const FoldExceptions& Exceptions() {
  static const FoldExceptions exceptions = [] {
    FoldExceptions e;
    const auto& table = FoldTable();
    for (int b = 0; b < 256; ++b) {
      const int byRanges = InCaseRanges(b) ? (b | 0x20) : b;
      if (static_cast<unsigned char>(table[static_cast<std::size_t>(b)]) == byRanges) continue;
      if (e.count == e.bytes.size()) {
        e.fits = false;
        break;
      }
      e.bytes[e.count++] = static_cast<char>(b);
    }
    return e;
  }();
  return exceptions;
}

}  // namespace

void FoldCp1250InPlace(char* text, std::size_t size) {
  const std::array<char, 256>& fold = FoldTable();
  std::size_t i = 0;
#if defined(__SSE2__)
  const FoldExceptions& exceptions = Exceptions();
  if (exceptions.fits) {
    // Signed bytes: 0xC0-0xDE are -64 to -34.
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i beforeC0 = _mm_set1_epi8(static_cast<char>(0xBF));
    const __m128i afterDE = _mm_set1_epi8(static_cast<char>(0xDF));
    const __m128i caseBit = _mm_set1_epi8(0x20);
    __m128i special[16];
    for (std::size_t k = 0; k < exceptions.count; ++k) special[k] = _mm_set1_epi8(exceptions.bytes[k]);
    for (; i + 16 <= size; i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
      const __m128i ascii = _mm_and_si128(_mm_cmpgt_epi8(block, beforeA), _mm_cmplt_epi8(block, afterZ));
      const __m128i high = _mm_and_si128(_mm_cmpgt_epi8(block, beforeC0), _mm_cmplt_epi8(block, afterDE));
      __m128i odd = _mm_setzero_si128();
      for (std::size_t k = 0; k < exceptions.count; ++k) odd = _mm_or_si128(odd, _mm_cmpeq_epi8(block, special[k]));
      const __m128i folded = _mm_or_si128(block, _mm_and_si128(_mm_or_si128(ascii, high), caseBit));
      unsigned oddMask = static_cast<unsigned>(_mm_movemask_epi8(odd));
      if (oddMask == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(text + i), folded);
        continue;
      }
      alignas(16) char original[16];
      _mm_store_si128(reinterpret_cast<__m128i*>(original), block);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(text + i), folded);
      for (; oddMask != 0; oddMask &= oddMask - 1) {
        const unsigned at = static_cast<unsigned>(__builtin_ctz(oddMask));
        text[i + at] = fold[static_cast<unsigned char>(original[at])];
      }
    }
  }
#endif
  for (; i < size; ++i) text[i] = fold[static_cast<unsigned char>(text[i])];
}

std::size_t CSubstringFinder::Find(std::string_view text, std::size_t from) const {
  const std::size_t n = text.size();
  const std::size_t length = needle_.size();
  if (from > n) return std::string_view::npos;
  if (length == 0) return from;
  if (length > n - from) return std::string_view::npos;
  const char* data = text.data();
  if (length == 1) {
    const void* hit = std::memchr(data + from, needle_[0], n - from);
    return hit == nullptr ? std::string_view::npos : static_cast<std::size_t>(static_cast<const char*>(hit) - data);
  }
  std::size_t i = from;
#if defined(__SSE2__)
  // Candidates are the places where both the first and the last byte of the
  // needle match; only those are compared in full.
  const __m128i first = _mm_set1_epi8(needle_.front());
  const __m128i last = _mm_set1_epi8(needle_.back());
  for (; i + length - 1 + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + length - 1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
    for (; mask != 0; mask &= mask - 1) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
      if (std::memcmp(data + at + 1, needle_.data() + 1, length - 2) == 0) return at;
    }
  }
#endif
  return text.find(needle_, i);
}

}  // namespace skrybon
