#include "core/utf.h"

namespace kakipo::utf {

Decoded decode(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return {b0, 1};
  int length;
  char32_t c;
  char32_t least;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, c = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, c = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, c = b0 & 0x07, least = 0x10000;
  } else {
    return {escapeOf(b0), 1};
  }
  if (i + length > s.size()) return {escapeOf(b0), 1};
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if (!isContinuation(b)) return {escapeOf(b0), 1};
    c = (c << 6) | (b & 0x3F);
  }
  // Surrogates are allowed (WTF-8); overlong forms and anything past U+10FFFF are not.
  if (c < least || c > 0x10FFFF) return {escapeOf(b0), 1};
  return {c, length};
}

void append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string encode(char32_t c) {
  std::string out;
  append(out, c);
  return out;
}

std::u16string toUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {  // most text is ASCII: no decoding for it
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    const Decoded d = decode(s, i);
    i += d.length;
    if (d.c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((d.c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((d.c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(d.c);
    }
  }
  return out;
}

std::string fromUtf16(std::u16string_view w) {
  std::string out;
  out.reserve(w.size() + w.size() / 2);
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t c = w[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      ++i;
    }
    append(out, c);
  }
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
