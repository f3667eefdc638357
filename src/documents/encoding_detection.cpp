#include "documents/encoding_detection.h"

namespace kakipo {

bool isValidUtf8(std::string_view s, bool* hasMultiByte) {
  bool multi = false;
  const std::size_t n = s.size();
  std::size_t i = 0;
  while (i < n) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    // The second byte's range rules out overlong forms (E0, F0), surrogates (ED) and code points
    // above U+10FFFF (F4); the other continuation bytes are 80-BF.
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (n - i < length) return false;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (second < low || second > high) return false;
    for (std::size_t k = 2; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    multi = true;
    i += length;
  }
  if (hasMultiByte) *hasMultiByte = multi;
  return true;
}

DetectedEncoding detectEncoding(std::string_view bytes) {
  for (const TextEncoding e : {TextEncoding::Utf8Bom, TextEncoding::Utf16Le, TextEncoding::Utf16Be})
    if (bytes.starts_with(byteOrderMark(e))) return {e, byteOrderMark(e).size()};
  bool multi = false;
  if (isValidUtf8(bytes, &multi) && multi) return {TextEncoding::Utf8, 0};
  return {TextEncoding::ShiftJis, 0};
}

DetectedEncoding readAs(TextEncoding chosen, std::string_view bytes) {
  if (isUtf8(chosen)) {
    const auto mark = byteOrderMark(TextEncoding::Utf8Bom);
    if (bytes.starts_with(mark)) return {TextEncoding::Utf8Bom, mark.size()};
    return {TextEncoding::Utf8, 0};
  }
  const auto mark = byteOrderMark(chosen);
  return {chosen, !mark.empty() && bytes.starts_with(mark) ? mark.size() : 0};
}

}  // namespace kakipo
