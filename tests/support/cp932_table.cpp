#include "support/cp932_table.h"

#include <array>
#include <memory>

#include "core/cp932.h"
#include "support/cp932_decode.h"

namespace kakipo::test {

namespace {

constexpr char16_t none = noCp932Character;

struct Tables {
  std::array<std::string, 65536> bytesOf;  // by unit
  std::array<char16_t, 65536> unitOf;  // by one byte, or lead << 8 | trail

  Tables() {
    unitOf.fill(none);
    for (unsigned b = 0; b < 256; ++b) {
      if (isLeadByte(static_cast<unsigned char>(b))) {
        for (unsigned t = 0; t < 256; ++t) {
          const char pair[2] = {static_cast<char>(b), static_cast<char>(t)};
          unitOf[(b << 8) | t] = decodeCp932Character({pair, 2});
        }
      } else {
        const char one = static_cast<char>(b);
        unitOf[b] = decodeCp932Character({&one, 1});
      }
    }
    // Every unit a code decodes to is held, written as its lowest code, but for the NEC-selected
    // IBM rows (ED, EE), which the system writes as the IBM codes (FA to FC).
    for (unsigned code = 0; code < 65536; ++code) {
      const char16_t u = unitOf[code];
      if (u == none) continue;
      const std::string bytes = code < 256 ? std::string(1, static_cast<char>(code))
                                           : std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
      const auto lead = [](const std::string& b) { return static_cast<unsigned char>(b[0]); };
      std::string& held = bytesOf[u];
      if (held.empty() || ((lead(held) == 0xED || lead(held) == 0xEE) && lead(bytes) >= 0xFA)) held = bytes;
    }
  }
};

const Tables& tables() {
  static const auto t = std::make_unique<Tables>();
  return *t;
}

void appendUtf8(std::string& out, char32_t c) {
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

}  // namespace

const std::string& cp932Of(char16_t unit) { return tables().bytesOf[unit]; }

char16_t unitOfCp932(std::string_view character) {
  if (character.empty()) return 0x30FB;
  const auto a = static_cast<unsigned char>(character[0]);
  const unsigned code = character.size() >= 2 ? (a << 8) | static_cast<unsigned char>(character[1]) : a;
  const char16_t u = tables().unitOf[code];
  return u != none ? u : 0x30FB;
}

std::u16string utf16FromUtf8(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    char32_t cp = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
    bool ok = length > 0 && i + length <= s.size();
    for (std::size_t k = 1; ok && k < length; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      ok = (t & 0xC0) == 0x80;
      cp = (cp << 6) | (t & 0x3F);
    }
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (ok && length > 1 && (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (!ok) {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += length;
  }
  return out;
}

std::string utf8FromUtf16(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t u = s[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      appendUtf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (char32_t{s[i + 1]} - 0xDC00));
      ++i;
    } else {
      appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
  }
  return out;
}

std::string utf16Bytes(std::u16string_view units, bool littleEndian) {
  std::string out;
  for (const char16_t u : units) {
    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    out += littleEndian ? lo : hi;
    out += littleEndian ? hi : lo;
  }
  return out;
}

std::u16string utf16FromBytes(std::string_view s, bool littleEndian) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    out += static_cast<char16_t>(littleEndian ? a | (b << 8) : (a << 8) | b);
  }
  return out;
}

std::string utf8FromCp932(std::string_view s) {
  std::u16string units;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool pair = isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size();
    units += unitOfCp932(s.substr(i, pair ? 2 : 1));
    if (pair) ++i;
  }
  return utf8FromUtf16(units);
}

}  // namespace kakipo::test
