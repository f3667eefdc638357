// Byte offsets over the rich-edit control's UTF-16 text: each unit counts the CP932 bytes it is
// written as, and a paragraph break (CR, or CR LF) counts as the two bytes of CR LF. Portable so
// that it can be tested and fuzzed natively; the Win32 adapter supplies the code page's lengths.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace kakipo {

// The CP932 byte count (1 or 2) of every UTF-16 unit.
using UnitByteLengths = std::array<std::uint8_t, 65536>;

// The bytes of the logic's text (CR LF breaks) that `text` stands for.
inline int controlTextBytes(std::u16string_view text, const UnitByteLengths& lengths) {
  int n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      n += 2;
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      n += lengths[text[i]];
    }
  }
  return n;
}

// Walks control text forward once, converting increasing byte offsets to control positions and
// increasing control positions to byte offsets, so that many conversions cost one pass. An
// offset inside a character or a line break moves to its end.
class ControlOffsetCursor {
 public:
  ControlOffsetCursor(std::u16string_view text, const UnitByteLengths& lengths) : text_(text), lengths_(lengths) {}
  int unitsForBytes(int bytes) {
    while (unit_ < text_.size() && bytes_ < bytes) step();
    return static_cast<int>(unit_);
  }
  int bytesForUnits(int units) {
    while (unit_ < text_.size() && static_cast<int>(unit_) < units) step();
    return bytes_;
  }

 private:
  void step() {
    if (text_[unit_] == u'\r') {
      bytes_ += 2;
      if (unit_ + 1 < text_.size() && text_[unit_ + 1] == u'\n') ++unit_;
    } else {
      bytes_ += lengths_[text_[unit_]];
    }
    ++unit_;
  }
  std::u16string_view text_;
  const UnitByteLengths& lengths_;
  std::size_t unit_ = 0;
  int bytes_ = 0;
};

// The number of UTF-16 units from the start of `text` that make up `bytes` logic bytes.
inline int controlUnitsForBytes(std::u16string_view text, int bytes, const UnitByteLengths& lengths) {
  return ControlOffsetCursor(text, lengths).unitsForBytes(bytes);
}

}  // namespace kakipo
