// CP932 <-> UTF-16 with code page 932 named explicitly, so the program behaves the same whatever
// the system's ANSI code page is. Counting and converting use one table, so byte offsets computed
// from a piece of text always agree with the bytes of the whole text.
#pragma once
#include <string>
#include <string_view>

#include "core/control_offsets.h"
#include "core/text_encoding.h"
#include "core/unicode_text.h"

namespace kakipo::win32 {

std::wstring widen(std::string_view cp932);
// How many CP932 bytes each UTF-16 unit takes in the logic's text.
const UnitByteLengths& cp932UnitLengths();
// The same units as the portable code reads them.
std::u16string_view asUtf16(std::wstring_view text);
// False for a UTF-16 unit that CP932 has no character for (it would be written as "?").
bool representableInCp932(wchar_t c);
// Characters CP932 cannot hold become "?"; nothing is best-fitted to a look-alike.
std::string narrow(std::wstring_view utf16);

// A text from outside (a dialog box, the clipboard): its CP932 view, and UTF-8 when that is not
// exact.
UnicodeText unicodeText(std::wstring_view utf16);

// UTF-8 and UTF-16: invalid UTF-8 and lone surrogates become U+FFFD.
std::wstring widenUtf8(std::string_view utf8);
std::string utf8Of(std::wstring_view utf16);

// A plain-text stream in an encoding (without its mark) as UTF-16, and the control's text (CR, or
// CR LF, for a line break) as such a stream with CR LF breaks. A UTF-16 stream's odd last byte
// is no character and is dropped.
std::wstring decodePlainText(std::string_view stream, TextEncoding encoding);
std::string encodeControlText(std::wstring_view text, TextEncoding encoding);

// The control keeps a paragraph break as a lone CR; the logic sees CR LF. These convert control
// text (CR, or CR LF) to logic bytes and count those bytes. A unit CP932 cannot hold is one
// `standIn` byte.
std::string narrowControlText(std::wstring_view text, char standIn = '?');
int controlTextBytes(std::wstring_view text);
// The number of UTF-16 units from the start of `text` that make up `bytes` logic bytes; an offset
// inside a character or a line break moves to its end.
int controlUnitsForBytes(std::wstring_view text, int bytes);

// Walks control text forward once, converting increasing byte offsets to control positions and
// increasing control positions to byte offsets, so that many conversions cost one pass.
class OffsetCursor : public ControlOffsetCursor {
 public:
  explicit OffsetCursor(std::wstring_view text);
};

}  // namespace kakipo::win32
