#include "core/text_codec.h"

#include <gtest/gtest.h>

#include "core/utf.h"

namespace kakipo {
namespace {

std::string u8(std::u8string_view s) { return {s.begin(), s.end()}; }
std::string esc(unsigned char b) { return utf::encode(utf::escapeOf(b)); }

// Each row: file bytes, the text they read as, and the bytes that text writes back. A file's bytes
// come back as they were, but for a character several codes stand for (written as Windows writes
// it).
TEST(TextCodec, EveryFileByteReadsAsACharacterOrItsEscape) {
  struct Row {
    TextEncoding e;
    std::string bytes, text, written;
  };
  const Row rows[] = {
      {TextEncoding::ShiftJis, "\x95\x5C\xB1", u8(u8"表ｱ"), "\x95\x5C\xB1"},
      // A lead byte before a line break, or in a code with no character, is a byte of its own.
      {TextEncoding::ShiftJis, "\x82\r\n", esc(0x82) + "\r\n", "\x82\r\n"},
      {TextEncoding::ShiftJis, "\x85\x40\x82", esc(0x85) + "@" + esc(0x82), "\x85\x40\x82"},
      {TextEncoding::ShiftJis, "\x80\xA0\xFD\xFF", esc(0x80) + esc(0xA0) + esc(0xFD) + esc(0xFF), "\x80\xA0\xFD\xFF"},
      {TextEncoding::ShiftJis, "\xED\x40\x87\x90", u8(u8"纊≒"), "\xFA\x5C\x81\xE0"},
      {TextEncoding::Utf8, "a\xC0\xAF\x80\xFF", "a" + esc(0xC0) + esc(0xAF) + esc(0x80) + esc(0xFF), "a\xC0\xAF\x80\xFF"},
      {TextEncoding::Utf8, "\xED\xA0\x80\xE3\x81", esc(0xED) + esc(0xA0) + esc(0x80) + esc(0xE3) + esc(0x81),
       "\xED\xA0\x80\xE3\x81"},
      {TextEncoding::Utf8Bom, u8(u8"鷗😀"), u8(u8"鷗😀"), u8(u8"鷗😀")},
      {TextEncoding::Utf16Le, std::string("\x3D\xD8\x41\x00", 4), utf::fromUtf16(std::u16string{char16_t(0xD83D), u'A'}),
       std::string("\x3D\xD8\x41\x00", 4)},
      {TextEncoding::Utf16Be, std::string("\x00\x41\x00", 3), "A", std::string("\x00\x41", 2)},
  };
  for (const Row& r : rows) {
    const std::string text = decodeText(r.bytes, r.e);
    EXPECT_EQ(text, r.text) << encodingName(r.e) << " " << r.bytes;
    EXPECT_EQ(encodeText(text, r.e), r.written) << encodingName(r.e) << " " << r.bytes;
  }
}

// One "?" for each character Shift_JIS has no code for, a surrogate pair or an IVS selector being
// one character each; the CP932 length counts the same way.
TEST(TextCodec, ShiftJisWritesOneStandInPerCharacterItCannotHold) {
  const std::string text = u8(u8"a鷗😀表葛\U000E0100") + esc(0x82);
  EXPECT_EQ(encodeText(text, TextEncoding::ShiftJis), "a??\x95\x5C\x8A\x8B?\x82");
  EXPECT_EQ(cp932Length(text), 9u);
  EXPECT_EQ(cp932Bytes(text, '\0'), std::string("a\0\0\x95\x5C\x8A\x8B\0\x82", 9));
  EXPECT_TRUE(heldByCp932(utf::escapeOf(0x82)));
  EXPECT_FALSE(heldByCp932(U'\u9DD7'));
}

}  // namespace
}  // namespace kakipo
