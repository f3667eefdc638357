#include "search/match_finder.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define KAKIPO_SSE2 1
#endif

namespace kakipo {

namespace {

// The bytes the table maps onto pattern byte c, as one compare: (b | mask) == value. That is
// possible for one byte, or for two that differ only in bit 0x20 (a capital and its small letter).
bool filterFor(const std::array<unsigned char, 256>& table, unsigned char c, unsigned char& value,
               unsigned char& mask) {
  int found[3];
  int count = 0;
  for (int b = 0; b < 256 && count < 3; ++b)
    if (table[b] == c) found[count++] = b;
  if (count == 1) {
    mask = 0;
    value = static_cast<unsigned char>(found[0]);
    return true;
  }
  if (count == 2 && (found[0] ^ found[1]) == 0x20) {
    mask = 0x20;
    value = static_cast<unsigned char>(found[0] | 0x20);
    return true;
  }
  return false;
}

}  // namespace

MatchFinder::MatchFinder(const unsigned char* buffer, int length, std::string_view pattern,
                         const std::array<unsigned char, 256>& table)
    : buffer_(buffer),
      length_(length),
      pattern_(pattern),
      size_(static_cast<int>(pattern.size())),
      table_(table),
      identity_(true) {
  for (int b = 0; b < 256; ++b) identity_ = identity_ && table[b] == b;
  filtered_ = filterFor(table, static_cast<unsigned char>(pattern.front()), first_, firstMask_) &&
              filterFor(table, static_cast<unsigned char>(pattern.back()), last_, lastMask_);
}

bool MatchFinder::filterAt(int at) const {
  return !filtered_ ||
         ((buffer_[at] | firstMask_) == first_ && (buffer_[at + size_ - 1] | lastMask_) == last_);
}

bool MatchFinder::matchesAt(int at) const {
  if (at < 0 || at > length_ - size_) return false;
  const unsigned char* p = buffer_ + at;
  if (identity_) return std::memcmp(p, pattern_.data(), size_) == 0;
  for (int k = 0; k < size_; ++k)
    if (table_[p[k]] != static_cast<unsigned char>(pattern_[k])) return false;
  return true;
}

int MatchFinder::next(int from, int to) const {
  from = std::max(from, 0);
  to = std::min(to, length_ - size_);
  int at = from;
#ifdef KAKIPO_SSE2
  const __m128i first = _mm_set1_epi8(static_cast<char>(first_));
  const __m128i last = _mm_set1_epi8(static_cast<char>(last_));
  const __m128i firstMask = _mm_set1_epi8(static_cast<char>(firstMask_));
  const __m128i lastMask = _mm_set1_epi8(static_cast<char>(lastMask_));
  // A block of 16 candidates reads up to at + 15 + size - 1, which stays inside the buffer while
  // at + 15 <= to.
  for (; filtered_ && at + 15 <= to; at += 16) {
    const auto* p = reinterpret_cast<const __m128i*>(buffer_ + at);
    const auto* q = reinterpret_cast<const __m128i*>(buffer_ + at + size_ - 1);
    const __m128i a = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(p), firstMask), first);
    const __m128i b = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(q), lastMask), last);
    for (unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(a, b))); bits != 0;
         bits &= bits - 1) {
      const int candidate = at + std::countr_zero(bits);
      if (matchesAt(candidate)) return candidate;
    }
  }
#else
  if (identity_) {
    // Without a vector unit, memchr on the first byte is the fastest portable skip.
    while (at <= to) {
      const void* hit = std::memchr(buffer_ + at, first_, static_cast<std::size_t>(to - at + 1));
      if (hit == nullptr) return -1;
      at = static_cast<int>(static_cast<const unsigned char*>(hit) - buffer_);
      if (matchesAt(at)) return at;
      ++at;
    }
    return -1;
  }
#endif
  for (; at <= to; ++at)
    if (filterAt(at) && matchesAt(at)) return at;
  return -1;
}

int MatchFinder::previous(int from, int downTo) const {
  from = std::min(from, length_ - size_);
  downTo = std::max(downTo, 0);
  int at = from;
#ifdef KAKIPO_SSE2
  const __m128i first = _mm_set1_epi8(static_cast<char>(first_));
  const __m128i last = _mm_set1_epi8(static_cast<char>(last_));
  const __m128i firstMask = _mm_set1_epi8(static_cast<char>(firstMask_));
  const __m128i lastMask = _mm_set1_epi8(static_cast<char>(lastMask_));
  // The block holds the 16 candidates at - 15 .. at, the highest one first.
  for (; filtered_ && at - 15 >= downTo; at -= 16) {
    const int base = at - 15;
    const auto* p = reinterpret_cast<const __m128i*>(buffer_ + base);
    const auto* q = reinterpret_cast<const __m128i*>(buffer_ + base + size_ - 1);
    const __m128i a = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(p), firstMask), first);
    const __m128i b = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(q), lastMask), last);
    for (unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(a, b))); bits != 0;) {
      const int top = 31 - std::countl_zero(bits);
      if (matchesAt(base + top)) return base + top;
      bits &= ~(1u << top);
    }
  }
#endif
  for (; at >= downTo; --at)
    if (filterAt(at) && matchesAt(at)) return at;
  return -1;
}

}  // namespace kakipo
