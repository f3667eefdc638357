// The program's text (UTF-8, CR LF line breaks) over the rich-edit control's own text (UTF-16
// units, a paragraph break one CR): the conversions both ways and byte offsets of the one as
// positions of the other. Portable, so that it is tested and fuzzed natively.
#pragma once
#include <string>
#include <string_view>

namespace kakipo {

// The program's text for control text: CR, or CR LF, becomes CR LF (a lone LF, which the control
// keeps as a character, stays); every unit comes across exactly (core/utf.h).
std::string textOfControl(std::u16string_view control);
// Control text for the program's text: CR LF, CR and LF each become one CR.
std::u16string controlOfText(std::string_view text);

// The bytes of the program's text that control text stands for.
int textBytesOf(std::u16string_view control);

// Walks control text forward once, converting increasing byte offsets to control positions and
// increasing control positions to byte offsets, so that many conversions cost one pass. It steps
// a whole character at a time (a surrogate pair, a CR LF): an offset or a position inside one
// moves to its end, so a position it gives never splits a character.
class ControlOffsetCursor {
 public:
  explicit ControlOffsetCursor(std::u16string_view control) : text_(control) {}
  int unitsForBytes(int bytes) {
    while (unit_ < text_.size() && bytes_ < bytes) step();
    return static_cast<int>(unit_);
  }
  int bytesForUnits(int units) {
    while (unit_ < text_.size() && static_cast<int>(unit_) < units) step();
    return bytes_;
  }

 private:
  void step();
  std::u16string_view text_;
  std::size_t unit_ = 0;
  int bytes_ = 0;
};

inline int controlUnitsForBytes(std::u16string_view control, int bytes) {
  return ControlOffsetCursor(control).unitsForBytes(bytes);
}

}  // namespace kakipo
