#include "core/grapheme.h"

#include "core/utf.h"

namespace kakipo {

using unicode::GraphemeBreak;

namespace {

bool breaksBetween(GraphemeBreak a, GraphemeBreak b, bool zwjAfterPictographic, bool oddRegionalIndicators) {
  using enum GraphemeBreak;
  if (a == CR && b == LF) return false;                                                       // GB3
  if (a == CR || a == LF || a == Control || b == CR || b == LF || b == Control) return true;  // GB4, GB5
  if (a == L && (b == L || b == V || b == LV || b == LVT)) return false;                      // GB6
  if ((a == LV || a == V) && (b == V || b == T)) return false;                                // GB7
  if ((a == LVT || a == T) && b == T) return false;                                           // GB8
  if (b == Extend || b == ZWJ || b == SpacingMark) return false;                              // GB9, GB9a
  if (a == Prepend) return false;                                                             // GB9b
  if (a == ZWJ && b == ExtendedPictographic && zwjAfterPictographic) return false;            // GB11
  if (a == RegionalIndicator && b == RegionalIndicator && oddRegionalIndicators) return false;  // GB12, GB13
  return true;                                                                                // GB999
}

}  // namespace

bool GraphemeBreaker::breaksBefore(GraphemeBreak next) {
  using enum GraphemeBreak;
  const bool breaks = !started_ || breaksBetween(previous_, next, zwjAfterPictographic_, oddRegionalIndicators_);
  zwjAfterPictographic_ = next == ZWJ && pictographicThenExtends_;
  pictographicThenExtends_ = next == ExtendedPictographic || (next == Extend && pictographicThenExtends_);
  oddRegionalIndicators_ = next == RegionalIndicator && !oddRegionalIndicators_;
  previous_ = next;
  started_ = true;
  return breaks;
}

std::size_t graphemeClusterEnd(std::string_view utf8, std::size_t start) {
  GraphemeBreaker breaker;
  std::size_t i = start;
  while (i < utf8.size()) {
    const utf::Decoded d = utf::decode(utf8, i);
    if (breaker.breaksBefore(unicode::graphemeBreak(d.c)) && i > start) break;
    i += d.length;
  }
  return i;
}

}  // namespace kakipo
