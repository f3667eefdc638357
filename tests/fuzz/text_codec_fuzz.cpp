// A file's bytes through the program's text and back, in every encoding: nothing is lost (but for
// a character two codes stand for, which Shift_JIS writes as Windows does, and a UTF-16 file's odd
// last byte, which the document keeps apart); no line break is swallowed; a cut by Shift_JIS length
// ends between characters; a path's name and extension begin after the last separator and at the
// last dot.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/cp932.h"
#include "core/file_path.h"
#include "core/text_codec.h"
#include "core/utf.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kakipo::fuzz::Input in(data, size);
  const auto encoding = kakipo::allEncodings[in.byte() % kakipo::allEncodings.size()];
  const std::size_t limit = in.byte();
  std::string bytes = in.rest();
  if (kakipo::isUtf16(encoding) && bytes.size() % 2) bytes.pop_back();

  const std::string text = kakipo::decodeText(bytes, encoding);
  const std::string back = kakipo::encodeText(text, encoding);
  if (encoding == kakipo::TextEncoding::ShiftJis) {
    // Only a character two codes stand for may come back as the other code (Windows' own).
    FUZZ_CHECK(kakipo::cp932Length(text) == back.size());
    bool duplicate = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
      const auto lead = static_cast<unsigned char>(bytes[i]);
      duplicate |= lead == 0x87 || lead == 0xED || lead == 0xEE || lead >= 0xFA;
    }
    if (!duplicate) FUZZ_CHECK(back == bytes);
  } else {
    FUZZ_CHECK(back == bytes);
  }
  // Every CR and LF of the file is one of the text's, in order.
  const auto breaks = [](std::string_view s, std::size_t unit) {
    std::string out;
    for (std::size_t i = 0; i + unit <= s.size(); i += unit) {
      const char c = unit == 2 ? (s[i] == 0 ? s[i + 1] : s[i + 1] == 0 ? s[i] : 'x') : s[i];
      if (c == '\r' || c == '\n') out += c;
    }
    return out;
  };
  if (!kakipo::isUtf16(encoding)) FUZZ_CHECK(breaks(text, 1) == breaks(bytes, 1));

  const std::string cut = kakipo::cutToCp932Length(text, limit);
  FUZZ_CHECK(text.compare(0, cut.size(), cut) == 0 && kakipo::cp932Length(cut) <= limit);
  FUZZ_CHECK(kakipo::utf::codePointStart(text, cut.size()) == cut.size());
  if (cut.size() < text.size())
    FUZZ_CHECK(kakipo::cp932Length(text.substr(0, cut.size() + kakipo::utf::decode(text, cut.size()).length)) > limit);

  const auto parts = kakipo::pathParts(text);
  FUZZ_CHECK(parts.nameStart <= parts.extensionStart && parts.extensionStart <= text.size());
  const auto separator = [](char c) { return c == '\\' || c == '/' || c == ':'; };
  if (parts.nameStart > 0) FUZZ_CHECK(separator(text[parts.nameStart - 1]));
  if (parts.extensionStart < text.size()) FUZZ_CHECK(text[parts.extensionStart] == '.');
  for (std::size_t i = parts.nameStart; i < text.size(); ++i) {
    FUZZ_CHECK(!separator(text[i]));
    if (i > parts.extensionStart || parts.extensionStart == text.size()) FUZZ_CHECK(text[i] != '.');
  }
  return 0;
}
