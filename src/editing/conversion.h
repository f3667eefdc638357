// The 変換 commands' text rules: a selection taken to full width, to half width, to hiragana or to
// katakana, as a list of small edits so that every character that does not change keeps its
// place and its formatting.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/editor.h"

namespace kakipo {

// 全角へ: ASCII letters, digits, symbols and the space (to U+3000; "\" to ＼ U+FF3C, "~" to ～
// U+FF5E, the full-width forms Windows writes), the Latin-1 signs ¢ £ ¬ ¯ ¦ ¥ and ₩ (to ￠ ￡ ￢ ￣ ￤
// ￥ ￦, which Shift_JIS holds where it holds no Latin-1), and the half-width katakana block:
// ｡｢｣､･ｰ to 。「」、・ー, a kana and its voicing mark joined (ｶﾞ to ガ, ﾊﾟ to パ, ｳﾞ to ヴ), a mark
// with no kana to join to ゛ ゜. ﾜﾞ and ｦﾞ become ワ゛ and ヲ゛: ヷ and ヺ are not Shift_JIS. A
// combining mark (U+3099, U+309A, which Macs write) is joined to the kana before it (が to が).
//
// 半角へ: the reverse for U+FF01..U+FF5E, U+3000 and the katakana and punctuation the half-width
// block has, a voiced katakana split (ガ to ｶﾞ, ヴ to ｳﾞ, ヷ to ﾜﾞ). Left alone: hiragana (there
// is no half-width hiragana, and changing script is not this command's job), katakana with no
// half-width form (ヮ ヰ ヱ ヵ ヶ ヽ ヾ ヸ ヹ), and ￠ ￡ ￢ ￣ ￤ ￥ ￦ (their half-width partners are not
// in Shift_JIS, and ￥ is no backslash in a Unicode text).
//
// ひらがなへ: katakana to hiragana; the half-width block is taken to full width first as 全角へ
// takes it (ﾃｽﾄ to てすと, ｶﾞ to が). ヴ ヵ ヶ stay katakana: ゔ ゕ ゖ are not in Shift_JIS, and
// ヷ ヸ ヹ ヺ have no hiragana.
//
// カタカナへ: hiragana to katakana, ゔ to ヴ and ゝゞ to ヽヾ included. Half-width katakana is
// katakana already and stays as it is; width is 全角へ's job.
//
// Every conversion: a character it does not cover is left alone, and so is any character outside
// the Basic Multilingual Plane (a surrogate pair in the editor) and any character followed by a
// variation selector or the keycap mark (1️⃣ stays an emoji). A combining voicing mark that
// follows a converted kana stays with it (ガ to が in ひらがなへ).
enum class Conversion { FullWidth, HalfWidth, Hiragana, Katakana };

// The edits that convert the UTF-8 text, in increasing order of start, none overlapping; each
// covers one character or one kana with its voicing mark and only where the text changes.
// Offsets are bytes into `utf8`.
std::vector<TextEdit> conversionEdits(Conversion conversion, std::string_view utf8);

// The text with its conversion edits applied.
std::string convert(Conversion conversion, std::string_view utf8);

}  // namespace kakipo
