// What fuzzy search compares: every character, or kana with the voicing mark joined to it, as one
// key that is the same for its full- and half-width forms, its hiragana and katakana, its capital
// and small letter and the look-alike pairs 〜～ −－ ‖∥ —―.
#pragma once
#include <string_view>
#include <vector>

namespace kakipo::fuzzy {

char32_t keyOf(char32_t c);

// One unit of a UTF-8 text: a character, or a kana and the voicing mark joined to it.
struct Unit {
  char32_t key;
  int length;  // bytes
};

// The unit that begins at byte i (i < text.size()).
Unit unitAt(std::string_view text, int i);
// The unit that ends at byte end (end > 0).
Unit unitBefore(std::string_view text, int end);
// Whether a unit can begin at byte i: false only between a kana and the mark joined to it.
bool startsUnit(std::string_view text, int i);

// A character a unit with a given key can begin with; `needsMark` when it has that key only
// with a voicing mark after it (ｶ for ガ).
struct Spelling {
  char32_t first;
  bool needsMark;
};
// Every such character of the key, the key itself among them.
std::vector<Spelling> spellingsOf(char32_t key);

}  // namespace kakipo::fuzzy
