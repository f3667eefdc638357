// The counts a writer is held to, over the selection or the whole text: characters as a reader
// sees them, the same without blanks, half-width units, lines, and sheets of 20 x 20 manuscript
// paper. The text may arrive in pieces (a large document is counted a slice at a time).
#pragma once
#include <cstdint>
#include <string_view>

#include "core/grapheme.h"

namespace kakipo {

// A line break is CR LF, a lone CR or a lone LF. Lines: a final line break ends the last line and
// starts none ("a\r\n" is one line, an empty text none): a selection of whole lines and most
// files end in one, and the empty line after it is one nobody wrote. Manuscript paper: a
// character (one cluster) takes a cell, a half-width one too, as on real paper one writes a
// character to a square; packing two narrow letters into a cell is a variant that depends on the
// letter, and a whole cell each never says a text fits when it does not. Every paragraph and
// every blank line begins a row; 、 。 ， ． that would begin a row hang in the margin of the row
// before (ぶら下げ), one at most. An empty text uses no paper.
struct TextCounts {
  std::int64_t characters = 0;      // grapheme clusters; a line break is none
  std::int64_t nonBlank = 0;        // the same without spaces, U+3000, tabs and other white space
  std::int64_t halfWidthUnits = 0;  // 1 for a narrow character, 2 for a wide one
  std::int64_t lines = 0;
  std::int64_t sheets = 0;          // of 20 rows of 20 cells
  int rowsOnLastSheet = 0;          // 1..20, 0 for an empty text
  friend bool operator==(const TextCounts&, const TextCounts&) = default;
};

// The same counts however the text is cut into pieces, even inside a UTF-8 sequence or a cluster.
// No allocation: the state is a few counters and at most three bytes of a cut sequence.
class TextCounter {
 public:
  void feed(std::string_view utf8Piece);
  // The counts as if the text ended here; feeding may go on afterwards.
  TextCounts result() const;

 private:
  enum class Kind : std::uint8_t { None, LineBreak, Blank, Text };

  void take(char32_t c, unicode::GraphemeBreak b);
  void takeEscape(unsigned char byte);  // a byte that begins no well-formed sequence
  void closeCluster();

  GraphemeBreaker breaker_;
  // The cluster still open: a later code point may belong to it.
  Kind kind_ = Kind::None;
  std::uint8_t width_ = 0;
  bool hangs_ = false;
  bool asciiLetterOpen_ = false;  // it is one printable ASCII character, not a blank
  // The start of a UTF-8 sequence the last piece ended inside.
  unsigned char pending_[4] = {};
  int pendingSize_ = 0;

  std::int64_t characters_ = 0;
  std::int64_t nonBlank_ = 0;
  std::int64_t halfWidthUnits_ = 0;
  std::int64_t lineBreaks_ = 0;
  bool lineHasText_ = false;
  // Manuscript paper: rows used, cells used in the last row, whether a mark hangs past its end.
  std::int64_t rows_ = 0;
  int column_ = 0;
  bool hung_ = false;
};

TextCounts countText(std::string_view utf8);

}  // namespace kakipo
