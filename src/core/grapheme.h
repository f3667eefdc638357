// Extended grapheme clusters (UAX #29): the characters as a reader sees them, so that a surrogate
// pair, a letter with its variation selector or combining marks, an emoji sequence, a flag or a
// CR LF counts, moves and deletes as one.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/unicode_tables.h"

namespace kakipo {

// The cluster rules over a stream of code points, one at a time, so a text that arrives in pieces
// is cut the same as the whole. Rules GB3 to GB13; GB9c (Indic conjuncts, which came with Unicode
// 15.1, after the tables' version) is left out.
class GraphemeBreaker {
 public:
  // Whether a cluster boundary lies before the next code point, of class `next`; takes it in. The
  // start of the text is a boundary.
  bool breaksBefore(unicode::GraphemeBreak next);

 private:
  bool started_ = false;
  unicode::GraphemeBreak previous_ = unicode::GraphemeBreak::Other;
  bool pictographicThenExtends_ = false;  // the text so far ends in Extended_Pictographic Extend*
  bool zwjAfterPictographic_ = false;     // ... followed by ZWJ
  bool oddRegionalIndicators_ = false;    // it ends in an odd run of regional indicators
};

// The byte offset where the cluster that begins at `start` ends (start < utf8.size()).
std::size_t graphemeClusterEnd(std::string_view utf8, std::size_t start);

}  // namespace kakipo
