#include "core/text_codec.h"

#include <algorithm>

#include "core/cp932.h"
#include "core/utf.h"

namespace kakipo {

namespace {

std::string decodeCp932(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 2);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      continue;
    }
    char16_t u = 0;
    // A lead byte takes the next byte only when the two make a character: a lead byte before a
    // line break, or in a code no character has, stays a byte of its own and the break a break.
    if (isLeadByte(b) && i + 1 < s.size()) u = cp932Unit(b, static_cast<unsigned char>(s[i + 1]));
    if (u != 0) {
      ++i;
    } else {
      u = cp932Unit(b);
      if (u == 0) u = static_cast<char16_t>(utf::escapeOf(b));
    }
    utf::append(out, u);
  }
  return out;
}

// Well-formed UTF-8 as it is; every byte of anything else as its escape. A surrogate's three bytes
// are not well-formed UTF-8 either: a file that holds them gets them back as bytes.
std::string decodeUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const utf::Decoded d = utf::decode(s, i);
    if (d.length > 1 && !utf::isSurrogate(d.c)) {
      out.append(s.substr(i, d.length));
      i += d.length;
    } else {
      utf::append(out, utf::escapeOf(b));
      ++i;
    }
  }
  return out;
}

std::string decodeUtf16(std::string_view s, bool little) {
  std::u16string units(s.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto a = static_cast<unsigned char>(s[2 * i]), b = static_cast<unsigned char>(s[2 * i + 1]);
    units[i] = static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b);
  }
  return utf::fromUtf16(units);
}

// The bytes Shift_JIS writes a character as: its code, its escaped byte, or its one "?".
std::size_t cp932Width(char32_t c) { return c < 0x80 || utf::isEscape(c) ? 1 : std::max<std::size_t>(cp932Code(c).length, 1); }

template <class Write>
void forEachCodePoint(std::string_view text, Write write) {
  for (std::size_t i = 0; i < text.size();) {
    const utf::Decoded d = utf::decode(text, i);
    write(d.c, text.substr(i, d.length));
    i += d.length;
  }
}

std::string encodeCp932(std::string_view text, char standIn) {
  std::string out(text.size(), '\0');  // no character takes more bytes in Shift_JIS than in UTF-8
  char* o = out.data();
  const Cp932Code* codes = cp932Codes();
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      *o++ = static_cast<char>(b);
      ++i;
      continue;
    }
    const utf::Decoded d = utf::decode(text, i);
    i += d.length;
    if (utf::isEscape(d.c)) {
      *o++ = static_cast<char>(utf::escapedByte(d.c));
      continue;
    }
    const Cp932Code code = d.c < 0x10000 ? codes[d.c] : Cp932Code{};
    if (code.length == 2) *o++ = static_cast<char>(code.code >> 8);
    *o++ = code.length ? static_cast<char>(code.code & 0xFF) : standIn;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string encodeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const utf::Decoded d = utf::decode(text, i);
    if (utf::isEscape(d.c))
      out += static_cast<char>(utf::escapedByte(d.c));
    else
      out.append(text.substr(i, d.length));
    i += d.length;
  }
  return out;
}

std::string encodeUtf16(std::string_view text, bool little) {
  const std::u16string units = utf::toUtf16(text);
  std::string out(units.size() * 2, '\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    out[2 * i + (little ? 0 : 1)] = static_cast<char>(units[i] & 0xFF);
    out[2 * i + (little ? 1 : 0)] = static_cast<char>(units[i] >> 8);
  }
  return out;
}

}  // namespace

std::string decodeText(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return decodeCp932(bytes);
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return decodeUtf8(bytes);
    case TextEncoding::Utf16Le: return decodeUtf16(bytes, true);
    case TextEncoding::Utf16Be: return decodeUtf16(bytes, false);
  }
  return {};
}

std::string encodeText(std::string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return encodeCp932(text, '?');
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return encodeUtf8(text);
    case TextEncoding::Utf16Le: return encodeUtf16(text, true);
    case TextEncoding::Utf16Be: return encodeUtf16(text, false);
  }
  return {};
}

bool heldByCp932(char32_t c) { return utf::isEscape(c) || cp932Code(c).length != 0; }

std::size_t cp932Length(std::string_view text) {
  std::size_t n = 0;
  forEachCodePoint(text, [&](char32_t c, std::string_view) { n += cp932Width(c); });
  return n;
}

std::string cutToCp932Length(std::string_view text, std::size_t maxBytes) {
  std::size_t n = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    const utf::Decoded d = utf::decode(text, end);
    const std::size_t width = cp932Width(d.c);
    if (n + width > maxBytes) break;
    n += width;
    end += d.length;
  }
  return std::string(text.substr(0, end));
}

std::string cp932Bytes(std::string_view text, char standIn) { return encodeCp932(text, standIn); }

}  // namespace kakipo
