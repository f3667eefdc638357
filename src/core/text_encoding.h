// The encodings a plain-text document is read and written in, the names the user sees for them,
// and the byte-order marks that begin their files.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kakipo {

// UTF-8 with and without a mark are two encodings, as the user chooses between them; a UTF-16
// file may or may not begin with its mark, and keeps what it had.
enum class TextEncoding { ShiftJis, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// In the order the Save dialog and the status bar's menu list them.
inline constexpr std::array<TextEncoding, 5> allEncodings = {TextEncoding::ShiftJis, TextEncoding::Utf8,
                                                             TextEncoding::Utf8Bom, TextEncoding::Utf16Le,
                                                             TextEncoding::Utf16Be};

// "Shift_JIS", "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE".
const std::string& encodingName(TextEncoding encoding);
std::optional<TextEncoding> encodingNamed(std::string_view name);

// The mark a file in this encoding begins with: EF BB BF, FF FE, FE FF; none for Shift_JIS and
// UTF-8 without one.
std::string_view byteOrderMark(TextEncoding encoding);

constexpr bool isUtf16(TextEncoding e) { return e == TextEncoding::Utf16Le || e == TextEncoding::Utf16Be; }
constexpr bool isUtf8(TextEncoding e) { return e == TextEncoding::Utf8 || e == TextEncoding::Utf8Bom; }

// The bytes of one code unit: 2 for UTF-16, 1 for the others.
constexpr std::size_t codeUnitBytes(TextEncoding e) { return isUtf16(e) ? 2 : 1; }

// Code unit i of text in the encoding (a byte, or a UTF-16 unit in the encoding's byte order).
inline unsigned codeUnit(std::string_view text, std::size_t i, TextEncoding e) {
  if (!isUtf16(e)) return static_cast<unsigned char>(text[i]);
  const auto a = static_cast<unsigned char>(text[2 * i]);
  const auto b = static_cast<unsigned char>(text[2 * i + 1]);
  return e == TextEncoding::Utf16Le ? a | (b << 8) : (a << 8) | b;
}

// "\r\n" written in the encoding.
std::string_view crLf(TextEncoding encoding);

}  // namespace kakipo
