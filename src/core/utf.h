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
// (which the program's own texts never hold) decodes as its escape, one byte long.
Decoded decode(std::string_view s, std::size_t i);

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
