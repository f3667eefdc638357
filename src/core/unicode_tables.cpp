#include "core/unicode_tables.h"

#include <algorithm>  // std::is_sorted
#include <array>
#include <iterator>

namespace kakipo::unicode {
namespace {

using enum EastAsianWidth;
using enum GraphemeBreak;

// A table is the list of places where the value changes: the first code point in the high bits,
// the value in the low four. Four bytes a run keeps both tables under 10 KB.
constexpr std::uint32_t run(char32_t first, auto value) {
  return (static_cast<std::uint32_t>(first) << 4) | static_cast<std::uint32_t>(value);
}

#include "core/unicode_tables.inc"

// Text is mostly in the BMP, and there the search is narrowed first to the runs that cover the
// code point's page of 256: one for a page of kanji, a few for kana, at most 62 for any page.
template <std::size_t N>
struct RunTable {
  const std::uint32_t (&runs)[N];
  std::array<std::uint16_t, 257> firstOfPage{};  // the run holding the page's first code point

  consteval explicit RunTable(const std::uint32_t (&r)[N]) : runs(r) {
    static_assert(N < 0xFFFF);
    std::size_t k = 0;
    for (std::uint32_t page = 0; page <= 256; ++page) {
      while (k + 1 < N && (runs[k + 1] >> 4) <= (page << 8)) ++k;
      firstOfPage[page] = static_cast<std::uint16_t>(k);
    }
  }

  std::uint32_t operator()(char32_t c) const {
    // The last run that starts at or before c, in [first, first + n); first[0] always does. The
    // halving has no branch to mispredict.
    const std::uint32_t key = run(c, 0xF);
    const std::uint32_t* first = runs;
    std::size_t n = N;
    if (c < 0x10000) {
      first += firstOfPage[c >> 8];
      n = firstOfPage[(c >> 8) + 1] - firstOfPage[c >> 8] + 1;
    }
    while (n > 1) {
      const std::size_t half = n / 2;
      first = first[half] <= key ? first + half : first;
      n -= half;
    }
    return *first & 0xF;
  }
};

constexpr RunTable eastAsianWidths(eastAsianWidthRuns);
constexpr RunTable graphemeBreaks(graphemeBreakRuns);

static_assert((eastAsianWidthRuns[0] >> 4) == 0 && (graphemeBreakRuns[0] >> 4) == 0);  // both from U+0000
static_assert(std::is_sorted(std::begin(eastAsianWidthRuns), std::end(eastAsianWidthRuns)));
static_assert(std::is_sorted(std::begin(graphemeBreakRuns), std::end(graphemeBreakRuns)));

}  // namespace

EastAsianWidth eastAsianWidth(char32_t c) { return static_cast<EastAsianWidth>(eastAsianWidths(c)); }

GraphemeBreak graphemeBreak(char32_t c) { return static_cast<GraphemeBreak>(graphemeBreaks(c)); }

}  // namespace kakipo::unicode
