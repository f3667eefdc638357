// The characters Macs and the web write where Shift_JIS has a look-alike of its own (〜 for ～),
// and the replacement of them that the user may choose before a Shift_JIS save.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor.h"

namespace kakipo {

struct LookAlike {
  char32_t from;
  char32_t to;  // the form code page 932 holds
};

// 〜 − ‖ — ¢ £ ¬ to ～ － ∥ ― ￠ ￡ ￢: what Windows itself writes for the same Shift_JIS bytes.
inline constexpr std::array<LookAlike, 7> cp932LookAlikes = {{{0x301C, 0xFF5E},
                                                              {0x2212, 0xFF0D},
                                                              {0x2016, 0x2225},
                                                              {0x2014, 0x2015},
                                                              {0x00A2, 0xFFE0},
                                                              {0x00A3, 0xFFE1},
                                                              {0x00AC, 0xFFE2}}};

// The Shift_JIS look-alike of c, or c itself.
char32_t cp932LookAlike(char32_t c);

// The UTF-8 text with every character of the table replaced by its look-alike.
std::string withCp932LookAlikes(std::string_view utf8);
// The same as edits of the text, one for each character replaced, in order.
std::vector<TextEdit> cp932LookAlikeEdits(std::string_view utf8);

// What withCp932LookAlikes would replace, for the question that offers it: each pair of the table
// that occurs in the text, in the table's order, with how many times it does.
struct LookAlikeCount {
  LookAlike pair;
  int count;
};
std::vector<LookAlikeCount> cp932LookAlikeCounts(std::string_view utf8);

}  // namespace kakipo
