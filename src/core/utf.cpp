#include "core/utf.h"

namespace kakipo::utf {

void append(std::string& out, char32_t c) {
  char bytes[4];
  out.append(bytes, put(bytes, c));
}

std::string encode(char32_t c) {
  std::string out;
  append(out, c);
  return out;
}

std::u16string toUtf16(std::string_view s) {
  std::u16string out(s.size(), u'\0');  // never more units than bytes
  char16_t* o = out.data();
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {  // most text is ASCII: no decoding for it
      *o++ = b;
      ++i;
      continue;
    }
    const Decoded d = decode(s, i);
    i += d.length;
    if (d.c >= 0x10000) {
      *o++ = static_cast<char16_t>(0xD800 + ((d.c - 0x10000) >> 10));
      *o++ = static_cast<char16_t>(0xDC00 + ((d.c - 0x10000) & 0x3FF));
    } else {
      *o++ = static_cast<char16_t>(d.c);
    }
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string fromUtf16(std::u16string_view w) {
  std::string out(w.size() * 3, '\0');  // never more than three bytes a unit
  char* o = out.data();
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t c = w[i];
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      ++i;
    }
    o = put(o, c);
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::size_t codePointStart(std::string_view s, std::size_t i) {
  if (i >= s.size()) return s.size();
  std::size_t start = i;
  // A code point is at most four bytes: look back at most three continuation bytes.
  while (start > 0 && i - start < 3 && isContinuation(static_cast<unsigned char>(s[start]))) --start;
  const Decoded d = decode(s, start);
  return start + d.length > i ? start : i;
}

std::size_t pastVariationSelectors(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    const Decoded d = decode(s, i);
    if (!isVariationSelector(d.c)) break;
    i += d.length;
  }
  return i;
}

}  // namespace kakipo::utf
