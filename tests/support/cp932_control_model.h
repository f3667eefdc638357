// What the rich-edit adapter makes of CP932 plain text: the bytes it saves right after loading
// them. A model of the code page round trip and the control's line breaks, for native tests that
// need the losses without the control; tests/win32/byte_exact_test.cpp holds it to the control.
#pragma once
#include <string>
#include <string_view>

namespace kakipo::test {

bool isCp932Lead(unsigned char c);
// One double-byte code as it comes back through Unicode: itself, the code Windows prefers for the
// same character (NEC and IBM duplicates), or 81 45 for an undefined cell.
unsigned cp932CodeRoundTrip(unsigned code);
// The whole text: a lead byte takes the next byte as its trail whatever it is (a line break too),
// except a NUL or the end of the text, where it stands alone as 81 45; CR, LF and CR LF become
// CR LF, and CR CR LF becomes one blank.
std::string controlRendition(const std::string& bytes);
// What the control makes of the line breaks of a Unicode text: CR CR LF becomes one blank (the
// other breaks it keeps as breaks).
std::u16string controlParagraphs(std::u16string_view units);

}  // namespace kakipo::test
