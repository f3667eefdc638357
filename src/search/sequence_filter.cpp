#include "search/sequence_filter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define KAKIPO_SSE2 1
#endif

// The kernel's pieces must be inlined into its loop, however many sequences it unrolls: a call
// per sequence and block costs more than the sequence's compares. The loop itself must not be
// inlined where places are handed to the caller: across that call every vector register is lost,
// and the compiler then keeps the sequences in memory for the whole loop.
#if defined(__GNUC__)
#define KAKIPO_ALWAYS_INLINE __attribute__((always_inline))
#define KAKIPO_NOINLINE __attribute__((noinline))
#elif defined(_MSC_VER)
#define KAKIPO_ALWAYS_INLINE [[msvc::forceinline]]
#define KAKIPO_NOINLINE __declspec(noinline)
#else
#define KAKIPO_ALWAYS_INLINE
#define KAKIPO_NOINLINE
#endif

namespace kakipo {

bool SequenceFilter::add(const Test* tests, int count) {
  if (count_ == maxSequences || count < 1 || count > maxTests) return false;
  for (int t = 0; t < count; ++t)
    if (tests[t].offset < 0 || tests[t].offset >= maxOffset) return false;
  Sequence& s = sequences_[count_++];
  s.reach = 0;
  for (int t = 0; t < maxTests; ++t) {
    const Test& test = tests[std::min(t, count - 1)];
    s.offsets[t] = test.offset;
    std::memset(s.values[t].bytes, test.value | test.mask, 16);
    std::memset(s.masks[t].bytes, test.mask, 16);
    masked_ = masked_ || test.mask != 0;
    s.reach = std::max(s.reach, test.offset);
  }
  reach_ = std::max(reach_, s.reach);
  tests_ = std::max(tests_, count);
  return true;
}

void SequenceFilter::follow(int offset, const unsigned char* values, int count) {
  follow_.offset = offset;
  reach_ = std::max(reach_, offset);
  // The slots left over repeat the first value, which changes nothing.
  for (int k = 0; k < maxFollowValues; ++k) std::memset(follow_.values[k].bytes, values[k < count ? k : 0], 16);
}

bool SequenceFilter::passes(const unsigned char* buffer, int length, int at) const {
  if (follow_.offset >= 0) {
    if (at + follow_.offset >= length) return false;
    const unsigned char b = buffer[at + follow_.offset];
    if (std::none_of(follow_.values, follow_.values + maxFollowValues, [b](const Lane& v) { return v.bytes[0] == b; }))
      return false;
  }
  return std::any_of(sequences_, sequences_ + count_, [&](const Sequence& s) {
    if (at + s.reach >= length) return false;
    for (int t = 0; t < maxTests; ++t)
      if ((buffer[at + s.offsets[t]] | s.masks[t].bytes[0]) != s.values[t].bytes[0]) return false;
    return true;
  });
}

#ifdef KAKIPO_SSE2
namespace {

KAKIPO_ALWAYS_INLINE inline __m128i lane(const SequenceFilter::Lane& l) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(l.bytes));
}
KAKIPO_ALWAYS_INLINE inline __m128i loadAt(const unsigned char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// The first N sequences of T tests each (and the follow column, when there is one) held in
// vector registers for one scan, unrolled, so that a test costs a load, a compare and, when some
// test has a mask, an OR.
template <int N, int T, bool Masked, bool Follows>
struct Kernel {
  __m128i value[N][T];
  __m128i mask[N][T];
  int offset[N][T];
  __m128i follows[SequenceFilter::maxFollowValues];
  int followOffset;

  Kernel(const SequenceFilter::Sequence* sequences, const SequenceFilter::Follow& follow)
      : followOffset(follow.offset) {
    for (int i = 0; i < N; ++i)
      for (int t = 0; t < T; ++t) {
        offset[i][t] = sequences[i].offsets[t];
        value[i][t] = lane(sequences[i].values[t]);
        mask[i][t] = lane(sequences[i].masks[t]);
      }
    for (int k = 0; k < SequenceFilter::maxFollowValues; ++k) follows[k] = lane(follow.values[k]);
  }

  // Which of the 16 places p .. p + 15 pass; reads up to p + 15 + the furthest offset.
  KAKIPO_ALWAYS_INLINE unsigned block(const unsigned char* p) const {
    auto test = [&](int i, int t) KAKIPO_ALWAYS_INLINE {
      if constexpr (Masked)
        return _mm_cmpeq_epi8(_mm_or_si128(loadAt(p + offset[i][t]), mask[i][t]), value[i][t]);
      else
        return _mm_cmpeq_epi8(loadAt(p + offset[i][t]), value[i][t]);
    };
    auto sequence = [&](int i) KAKIPO_ALWAYS_INLINE {
      __m128i all = test(i, 0);
      for (int t = 1; t < T; ++t) all = _mm_and_si128(all, test(i, t));
      return all;
    };
    __m128i any = _mm_setzero_si128();
    [&]<std::size_t... I>(std::index_sequence<I...>) KAKIPO_ALWAYS_INLINE { ((any = _mm_or_si128(any, sequence(I))), ...); }(
        std::make_index_sequence<N>{});
    if constexpr (Follows) {
      const __m128i next = loadAt(p + followOffset);
      any = _mm_and_si128(any, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(next, follows[0]), _mm_cmpeq_epi8(next, follows[1])),
                                            _mm_or_si128(_mm_cmpeq_epi8(next, follows[2]), _mm_cmpeq_epi8(next, follows[3]))));
    }
    return static_cast<unsigned>(_mm_movemask_epi8(any));
  }
};

// Places that pass, gathered a number of blocks at a time: handing each to the caller as it is
// found would cost the loop its registers at every block that has one.
struct Places {
  int at[64];
  int count;
};

// Down: gathers the places that pass in the blocks from `at` on, in steps of 16, while a block
// ends by `to` and begins before `end`, until at least 48 are gathered; `at` is left at the first
// block not looked at.
template <int N, int T, bool Masked, bool Follows>
KAKIPO_NOINLINE void gatherDown(const unsigned char* buffer, int end, int& at, int to,
                                const Kernel<N, T, Masked, Follows>& shared, Places& places) {
  // Copies of their own, which no store to the places can touch.
  const Kernel<N, T, Masked, Follows> kernel = shared;
  int p = at;
  int count = 0;
  const int last = std::min(to, end - 1) - 15;
  for (; p <= last && count < 48; p += 16)
    for (unsigned bits = kernel.block(buffer + p); bits != 0; bits &= bits - 1) places.at[count++] = p + std::countr_zero(bits);
  places.count = count;
  at = p;
}

// Up: likewise through the blocks of the places at - 15 .. at, at - 31 .. at - 16 and so on that
// begin at or after `downTo`, each block's places from the highest; the caller has made sure
// that the block at `at` reads inside the buffer.
template <int N, int T, bool Masked, bool Follows>
KAKIPO_NOINLINE void gatherUp(const unsigned char* buffer, int& at, int downTo,
                              const Kernel<N, T, Masked, Follows>& shared, Places& places) {
  const Kernel<N, T, Masked, Follows> kernel = shared;
  int p = at;
  int count = 0;
  for (; p - 15 >= downTo && count < 48; p -= 16)
    for (unsigned bits = kernel.block(buffer + p - 15); bits != 0;) {
      const int top = 31 - std::countl_zero(bits);
      places.at[count++] = p - 15 + top;
      bits &= ~(1u << top);
    }
  places.count = count;
  at = p;
}

// The first accepted place down from `at`, or -1 with `at` moved to where the blocks stopped, for
// the caller to go on one by one.
template <int N, int T, bool Masked, bool Follows>
int scanDown(const unsigned char* buffer, int end, int& at, int to, const SequenceFilter::Sequence* sequences,
             const SequenceFilter::Follow& follow, SequenceFilter::Accept accept) {
  const Kernel<N, T, Masked, Follows> kernel(sequences, follow);
  Places places;
  for (int start = -1; at != start;) {
    start = at;
    gatherDown(buffer, end, at, to, kernel, places);
    for (int k = 0; k < places.count; ++k)
      if (accept(places.at[k])) return places.at[k];
  }
  return -1;
}

// The first accepted place up from `at`, likewise.
template <int N, int T, bool Masked, bool Follows>
int scanUp(const unsigned char* buffer, int, int& at, int downTo, const SequenceFilter::Sequence* sequences,
           const SequenceFilter::Follow& follow, SequenceFilter::Accept accept) {
  const Kernel<N, T, Masked, Follows> kernel(sequences, follow);
  Places places;
  for (int start = -1; at != start;) {
    start = at;
    gatherUp(buffer, at, downTo, kernel, places);
    for (int k = 0; k < places.count; ++k)
      if (accept(places.at[k])) return places.at[k];
  }
  return -1;
}

using Scan = int (*)(const unsigned char*, int, int&, int, const SequenceFilter::Sequence*,
                     const SequenceFilter::Follow&, SequenceFilter::Accept);

// The scans of one direction by [masked][follows][tests - 2][sequences - 1] (a single test is
// repeated: two tests).
template <bool Down, int T, bool Masked, bool Follows, std::size_t... I>
constexpr std::array<Scan, sizeof...(I)> scansOf(std::index_sequence<I...>) {
  if constexpr (Down)
    return {&scanDown<static_cast<int>(I) + 1, T, Masked, Follows>...};
  else
    return {&scanUp<static_cast<int>(I) + 1, T, Masked, Follows>...};
}
using ByCount = std::array<Scan, SequenceFilter::maxSequences>;
template <bool Down, bool Masked, bool Follows>
constexpr std::array<ByCount, 2> byTests() {
  constexpr auto counts = std::make_index_sequence<SequenceFilter::maxSequences>{};
  return {scansOf<Down, 2, Masked, Follows>(counts), scansOf<Down, 3, Masked, Follows>(counts)};
}
template <bool Down>
constexpr std::array<std::array<std::array<ByCount, 2>, 2>, 2> allScans() {
  return {{{byTests<Down, false, false>(), byTests<Down, false, true>()},
           {byTests<Down, true, false>(), byTests<Down, true, true>()}}};
}
constexpr auto scansDown = allScans<true>();
constexpr auto scansUp = allScans<false>();

}  // namespace
#endif

int SequenceFilter::next(const unsigned char* buffer, int length, int from, int to, Accept accept) const {
  from = std::max(from, 0);
  to = std::min(to, length - 1);
  if (count_ == 0) return -1;
  int at = from;
#ifdef KAKIPO_SSE2
  // A block at p reads up to p + 15 + reach.
  if (const int found = scansDown[masked_][follow_.offset >= 0][std::max(tests_, 2) - 2][count_ - 1](
          buffer, length - reach_, at, to, sequences_, follow_, accept);
      found >= 0)
    return found;
#endif
  for (; at <= to; ++at)
    if (passes(buffer, length, at) && accept(at)) return at;
  return -1;
}

int SequenceFilter::previous(const unsigned char* buffer, int length, int from, int downTo, Accept accept) const {
  from = std::min(from, length - 1);
  downTo = std::max(downTo, 0);
  if (count_ == 0) return -1;
  int at = from;
  // The places whose block would read past the end are looked at one by one first.
  for (; at >= downTo && at + reach_ >= length; --at)
    if (passes(buffer, length, at) && accept(at)) return at;
#ifdef KAKIPO_SSE2
  if (const int found = scansUp[masked_][follow_.offset >= 0][std::max(tests_, 2) - 2][count_ - 1](
          buffer, length, at, downTo, sequences_, follow_, accept);
      found >= 0)
    return found;
#endif
  for (; at >= downTo; --at)
    if (passes(buffer, length, at) && accept(at)) return at;
  return -1;
}

}  // namespace kakipo
