// The width, kana and letter-case forms of single characters, from the program's own tables (so
// that every Windows version and Wine give the same answers): the facts that converting a
// selection and the fuzzy search build their rules on.
#pragma once

namespace kakipo::forms {

// The voicing marks: combining (what Macs write after a kana), spacing, and half-width.
constexpr char32_t combiningVoiced = 0x3099, combiningSemiVoiced = 0x309A;
constexpr char32_t spacingVoiced = 0x309B, spacingSemiVoiced = 0x309C;
constexpr char32_t halfWidthVoiced = 0xFF9E, halfWidthSemiVoiced = 0xFF9F;

constexpr bool isHalfWidthKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }
constexpr bool isCombiningMark(char32_t c) { return c == combiningVoiced || c == combiningSemiVoiced; }
constexpr bool isHalfWidthMark(char32_t c) { return c == halfWidthVoiced || c == halfWidthSemiVoiced; }

// The full-width form of ASCII U+0020..U+007E (the space is U+3000), of the Latin-1 signs that
// have one (¢ £ ¬ ¯ ¦ ¥, and ₩), and of the half-width katakana block (its marks alone become
// ゛ ゜); c itself for anything else.
char32_t wideForm(char32_t c);

// The reverse: U+FF01..U+FF5E, U+3000, U+FFE0..U+FFE6 and every full-width katakana and
// punctuation mark the half-width block has (゛ ゜ too); c itself for anything else.
char32_t narrowForm(char32_t c);

// Hiragana to katakana and back, wherever Unicode pairs them (ゝゞ with ヽヾ; ゔ ゕ ゖ with ヴ ヵ ヶ);
// c itself for anything else.
char32_t katakana(char32_t c);
char32_t hiragana(char32_t c);

// What a kana followed by a voicing mark joins into, or 0 when the two stay apart. A combining
// mark joins every kana that has the composed form, a half-width one (by its full-width form)
// too. A half-width mark joins only a half-width kana, and only into a form code page 932 holds,
// so that a half-width text taken to full width stays a Shift_JIS text (ﾜﾞ is not ヷ).
char32_t joined(char32_t base, char32_t mark);

// A full-width kana with a voicing mark, split into its base and the combining mark; {c, 0} for
// anything else.
struct Split {
  char32_t base;
  char32_t mark;
};
Split split(char32_t c);

// Simple one-to-one case folding (to the small letter) of ASCII and of the Latin, Greek and
// Cyrillic letters below U+0530; c itself for anything else, the full-width letters included.
char32_t foldCase(char32_t c);

}  // namespace kakipo::forms
