// The program's text: UTF-8, extended as WTF-8 so that a lone surrogate keeps its three-byte form.
// Every UTF-16 text from the platform therefore comes back exactly, and a byte that a file's own
// encoding cannot decode rides through the text as the lone surrogate U+DC80..U+DCFF that names it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kakipo::utf {

// The code point a byte a file's encoding could not decode stands as, and the byte it stands for.
constexpr char32_t escapeOf(unsigned char byte) { return 0xDC00 + byte; }
constexpr bool isEscape(char32_t c) { return c >= 0xDC80 && c <= 0xDCFF; }
constexpr unsigned char escapedByte(char32_t c) { return static_cast<unsigned char>(c & 0xFF); }

constexpr bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
// A variation selector picks the glyph of the character before it (an IVS picks a kanji's form):
// the two are one character to the reader, never to be parted.
constexpr bool isVariationSelector(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x180B && c <= 0x180D);
}
constexpr bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

struct Decoded {
  char32_t c = 0;
  int length = 1;  // bytes
};

// The code point that begins at s[i] (i < s.size()). A byte that begins no well-formed sequence
// (which the program's own texts never hold) decodes as its escape, one byte long. Inline: every
// scan over a document's text runs it for each character.
inline Decoded decode(std::string_view s, std::size_t i) {
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

// Writes the UTF-8 (WTF-8) bytes of c at out and returns where they end.
inline char* put(char* out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

void append(std::string& out, char32_t c);
std::string encode(char32_t c);

// Whole texts. Both directions keep lone surrogates, so UTF-16 -> UTF-8 -> UTF-16 is exact.
std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);

// The start of the code point holding byte i (i itself at a boundary or at the end).
std::size_t codePointStart(std::string_view s, std::size_t i);
// Where the variation selectors that follow byte i end (i itself when none does).
std::size_t pastVariationSelectors(std::string_view s, std::size_t i);

}  // namespace kakipo::utf
