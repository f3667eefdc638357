// The program's text over the control's UTF-16 text: the one-pass cursor, the one-shot conversions
// and the whole-text count agree with the text itself; every offset moves to the end of the
// character or break it falls in, never past the text; both conversions round-trip.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/control_text.h"
#include "core/utf.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  // Mostly breaks, small code points and surrogates, so CR, LF, CR LF and pairs meet often.
  std::u16string control;
  while (in.left() >= 2 && control.size() < 512) {
    const std::uint8_t kind = in.byte();
    const std::uint8_t b = in.byte();
    control += kind < 64    ? u"\r\n\x3042"[b % 3]
               : kind < 96  ? static_cast<char16_t>(0xD800 + (b & 0x7) * 0x100 + b)
               : kind < 128 ? static_cast<char16_t>(0xDC00 + b)
               : kind < 192 ? static_cast<char16_t>(b)
                            : static_cast<char16_t>((b << 8) | kind);
  }
  const std::string text = kakipo::textOfControl(control);
  const int total = kakipo::textBytesOf(control);
  FUZZ_CHECK(total == static_cast<int>(text.size()));
  // The text back as control text: the same units but for a lone LF, which becomes a break, and CR
  // LF, which is one.
  std::u16string expected;
  for (std::size_t i = 0; i < control.size(); ++i) {
    if (control[i] == u'\n' && !(i > 0 && control[i - 1] == u'\r')) expected += u'\r';
    else if (control[i] != u'\n') expected += control[i];
  }
  FUZZ_CHECK(kakipo::controlOfText(text) == expected);

  kakipo::ControlOffsetCursor toUnits(control);
  int last = 0;
  for (int b = 0; b <= total + 2; ++b) {
    const int u = toUnits.unitsForBytes(b);
    FUZZ_CHECK(u == kakipo::controlUnitsForBytes(control, b));
    FUZZ_CHECK(u >= last && u <= static_cast<int>(control.size()));
    last = u;
    const std::string before = kakipo::textOfControl(control.substr(0, u));
    // At or after b, at a character's end, and less than a character on.
    if (b <= total) {
      FUZZ_CHECK(static_cast<int>(before.size()) >= b && static_cast<int>(before.size()) - b < 4);
      FUZZ_CHECK(text.compare(0, before.size(), before) == 0);
      FUZZ_CHECK(kakipo::utf::codePointStart(text, before.size()) == before.size());
    } else {
      FUZZ_CHECK(u == static_cast<int>(control.size()));
    }
  }
  kakipo::ControlOffsetCursor toBytes(control);
  for (std::size_t k = 0; k <= control.size(); ++k) {
    const int b = toBytes.bytesForUnits(static_cast<int>(k));
    FUZZ_CHECK(b >= static_cast<int>(kakipo::textOfControl(control.substr(0, k)).size()) || k == control.size());
    FUZZ_CHECK(kakipo::utf::codePointStart(text, b) == static_cast<std::size_t>(b));
  }
  return 0;
}
