// Byte offsets over the control's UTF-16 text: the one-pass cursor, the one-shot conversions and
// the whole-text count agree; every offset moves to the end of the character or break it falls
// in, and never past the text.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/control_offsets.h"
#include "fuzz_input.h"

namespace {

// CP932's shape: ASCII and half-width katakana take one byte, everything else two.
const kakipo::UnitByteLengths& lengths() {
  static const auto table = [] {
    kakipo::UnitByteLengths t{};
    for (unsigned u = 0; u < 65536; ++u) t[u] = (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    return t;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  // Mostly breaks and small code points, so CR, LF and CR LF meet often.
  std::u16string text;
  while (in.left() >= 2 && text.size() < 512) {
    const std::uint8_t kind = in.byte();
    const std::uint8_t b = in.byte();
    text += kind < 64 ? u"\r\n\x3042"[b % 3] : kind < 128 ? static_cast<char16_t>(b) : static_cast<char16_t>((b << 8) | kind);
  }
  const auto& len = lengths();
  const std::u16string_view view(text);
  const int total = kakipo::controlTextBytes(view, len);

  // Prefix sums as the definition: what the first k units stand for.
  std::vector<int> prefix(text.size() + 1);
  for (std::size_t k = 0; k <= text.size(); ++k) prefix[k] = kakipo::controlTextBytes(view.substr(0, k), len);
  FUZZ_CHECK(prefix.back() == total);

  kakipo::ControlOffsetCursor toBytes(view, len);
  kakipo::ControlOffsetCursor toUnits(view, len);
  int lastUnits = 0;
  for (int b = 0; b <= total + 2; ++b) {
    const int u = kakipo::controlUnitsForBytes(view, b, len);
    FUZZ_CHECK(u >= 0 && u <= static_cast<int>(text.size()));
    FUZZ_CHECK(u >= lastUnits);
    lastUnits = u;
    FUZZ_CHECK(toUnits.unitsForBytes(b) == u);
    // The offset lands at the end of what it falls in: at or after b, less than one character on.
    if (b <= total) {
      FUZZ_CHECK(prefix[u] >= b && prefix[u] - b < 2);
      if (u > 0 && !(text[u - 1] == u'\n' && u >= 2 && text[u - 2] == u'\r')) FUZZ_CHECK(prefix[u - 1] < b);
    } else {
      FUZZ_CHECK(u == static_cast<int>(text.size()));
    }
  }
  for (std::size_t k = 0; k <= text.size(); ++k) {
    const int b = toBytes.bytesForUnits(static_cast<int>(k));
    // Between the CR and LF of one break the cursor has already passed the whole break.
    const bool insideBreak = k > 0 && k < text.size() && text[k - 1] == u'\r' && text[k] == u'\n';
    FUZZ_CHECK(b == (insideBreak ? prefix[k + 1] : prefix[k]));
  }
  return 0;
}
