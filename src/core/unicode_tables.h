// Character properties from the Unicode Character Database that the text rules need (display
// width, grapheme clusters), looked up by binary search in range tables generated from Unicode
// 15.0 by scripts/make-unicode-tables.
#pragma once
#include <cstdint>

namespace kakipo::unicode {

// East_Asian_Width: Wide and Fullwidth characters take two columns in a Japanese font, Narrow and
// Halfwidth one; Ambiguous ones depend on the context (full width in a Japanese text).
enum class EastAsianWidth : std::uint8_t { Neutral, Ambiguous, Halfwidth, Wide, Fullwidth, Narrow };
EastAsianWidth eastAsianWidth(char32_t c);

// Grapheme_Cluster_Break, with Extended_Pictographic as a value of its own: every pictographic
// character has the class Other, so one lookup answers both properties.
enum class GraphemeBreak : std::uint8_t {
  Other, CR, LF, Control, Extend, ZWJ, RegionalIndicator, Prepend, SpacingMark,
  L, V, T, LV, LVT,  // Hangul syllable types
  ExtendedPictographic,
};
GraphemeBreak graphemeBreak(char32_t c);

}  // namespace kakipo::unicode
