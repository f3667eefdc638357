#include "editing/text_counts.h"

#include "core/utf.h"

namespace kakipo {

using unicode::EastAsianWidth;
using unicode::GraphemeBreak;

namespace {

constexpr int sheetRows = 20;
constexpr int rowCells = 20;

// White_Space without the line breaks: a cluster of one of these is blank.
bool isBlank(char32_t c) {
  switch (c) {
    case 0x09: case 0x0B: case 0x0C: case 0x20: case 0x85: case 0xA0: case 0x1680:
    case 0x2028: case 0x2029: case 0x202F: case 0x205F: case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

// The 句読点 that hang past the end of a full row rather than begin the next one (ぶら下げ):
// 、 。 and the ， ． of horizontal and official writing.
bool hangsAtRowEnd(char32_t c) { return c == 0x3001 || c == 0x3002 || c == 0xFF0C || c == 0xFF0E; }

// Ambiguous characters count two. In a Japanese text they are the symbols of the Japanese
// character sets (○ ※ → § ×, Greek, Cyrillic, box drawing), which a Japanese font draws a full
// cell wide and Shift_JIS stores in two bytes, the way forms that limit half-width units count
// them. The accented Latin letters among them (é) count two as well: rare in a Japanese text, not
// worth a rule of their own.
std::uint8_t widthOf(char32_t c) {
  if (c < 0x80) return 1;
  switch (unicode::eastAsianWidth(c)) {
    case EastAsianWidth::Wide:
    case EastAsianWidth::Fullwidth:
    case EastAsianWidth::Ambiguous:
      return 2;
    default:
      return 1;
  }
}

// Bytes in the UTF-8 sequence this byte begins, 1 for a byte that begins none.
int sequenceLength(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 1;
}

GraphemeBreak asciiBreak(unsigned char b) {
  if (b == '\r') return GraphemeBreak::CR;
  if (b == '\n') return GraphemeBreak::LF;
  return b < 0x20 || b == 0x7F ? GraphemeBreak::Control : GraphemeBreak::Other;
}

}  // namespace

void TextCounter::feed(std::string_view piece) {
  const std::size_t n = piece.size();
  std::size_t i = 0;
  if (pendingSize_ > 0) {
    // Finish the sequence the last piece cut; its bytes are decoded together as if never cut.
    const int needed = sequenceLength(pending_[0]);
    while (pendingSize_ < needed && i < n && utf::isContinuation(static_cast<unsigned char>(piece[i])))
      pending_[pendingSize_++] = static_cast<unsigned char>(piece[i++]);
    if (pendingSize_ < needed && i == n) return;
    const std::string_view held(reinterpret_cast<const char*>(pending_), pendingSize_);
    const utf::Decoded d = utf::decode(held, 0);
    if (d.length == pendingSize_) {
      take(d.c, unicode::graphemeBreak(d.c));
    } else {  // ill-formed: every byte stands for itself, as it would in one piece
      for (int k = 0; k < pendingSize_; ++k) takeEscape(pending_[k]);
    }
    pendingSize_ = 0;
  }
  while (i < n) {
    const auto b = static_cast<unsigned char>(piece[i]);
    if (b < 0x80) {  // most text is ASCII: no decoding and no table lookup
      if (asciiLetterOpen_ && b > 0x20 && b < 0x7F) {
        // Such a letter after another ends that one's cluster and leaves the breaker and the open
        // cluster in the state they are in.
        closeCluster();
        kind_ = Kind::Text;
      } else {
        take(b, asciiBreak(b));
      }
      ++i;
      continue;
    }
    const int length = sequenceLength(b);
    if (i + length > n) {
      std::size_t k = i + 1;
      while (k < n && utf::isContinuation(static_cast<unsigned char>(piece[k]))) ++k;
      if (k == n) {  // the piece ends inside this sequence: wait for the rest
        while (i < n) pending_[pendingSize_++] = static_cast<unsigned char>(piece[i++]);
        return;
      }
    }
    const utf::Decoded d = utf::decode(piece, i);
    take(d.c, unicode::graphemeBreak(d.c));
    i += d.length;
  }
}

void TextCounter::takeEscape(unsigned char byte) {
  const char32_t c = utf::escapeOf(byte);
  take(c, unicode::graphemeBreak(c));
}

void TextCounter::take(char32_t c, GraphemeBreak b) {
  asciiLetterOpen_ = false;
  if (!breaker_.breaksBefore(b)) {
    // A mark or selector on a blank makes it a visible character; an emoji presentation
    // selector or a second regional indicator (a flag) makes the cluster an emoji, two wide.
    if (kind_ == Kind::Blank) kind_ = Kind::Text;
    if (c == 0xFE0F || b == GraphemeBreak::RegionalIndicator) width_ = 2;
    return;
  }
  closeCluster();
  if (b == GraphemeBreak::CR || b == GraphemeBreak::LF) {
    kind_ = Kind::LineBreak;
    return;
  }
  asciiLetterOpen_ = c > 0x20 && c < 0x7F;
  kind_ = isBlank(c) ? Kind::Blank : Kind::Text;
  width_ = widthOf(c);
  hangs_ = hangsAtRowEnd(c);
}

void TextCounter::closeCluster() {
  const Kind kind = kind_;
  kind_ = Kind::None;
  if (kind == Kind::None) return;
  if (kind == Kind::LineBreak) {
    if (!lineHasText_) ++rows_;  // a blank line takes a row of the paper
    ++lineBreaks_;
    lineHasText_ = false;
    return;
  }
  ++characters_;
  if (kind == Kind::Text) ++nonBlank_;
  halfWidthUnits_ += width_;
  // Every paragraph begins a row; a character that finds its row full begins the next, unless it
  // is a mark allowed to hang past the end of the row, and only one hangs.
  if (!lineHasText_ || (column_ == rowCells && (!hangs_ || hung_))) {
    ++rows_;
    column_ = 1;
    hung_ = false;
  } else if (column_ < rowCells) {
    ++column_;
  } else {
    hung_ = true;
  }
  lineHasText_ = true;
}

TextCounts TextCounter::result() const {
  TextCounter end = *this;
  // A sequence cut by the end of the text is ill-formed: its bytes stand for themselves.
  for (int k = 0; k < pendingSize_; ++k) end.takeEscape(pending_[k]);
  end.pendingSize_ = 0;
  end.closeCluster();
  TextCounts counts;
  counts.characters = end.characters_;
  counts.nonBlank = end.nonBlank_;
  counts.halfWidthUnits = end.halfWidthUnits_;
  counts.lines = end.lineBreaks_ + (end.lineHasText_ ? 1 : 0);
  counts.sheets = (end.rows_ + sheetRows - 1) / sheetRows;
  counts.rowsOnLastSheet = end.rows_ == 0 ? 0 : static_cast<int>(end.rows_ - (counts.sheets - 1) * sheetRows);
  return counts;
}

TextCounts countText(std::string_view utf8) {
  TextCounter counter;
  counter.feed(utf8);
  return counter.result();
}

}  // namespace kakipo
