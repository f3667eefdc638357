#include "search/fuzzy_keys.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "core/char_forms.h"
#include "core/utf.h"

namespace kakipo::fuzzy {

namespace {

using namespace forms;

constexpr auto asciiKeys = [] {
  std::array<char32_t, 128> keys{};
  for (char32_t c = 0; c < 128; ++c) keys[c] = c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  return keys;
}();

// Whether one of the four voicing marks that join begins at byte i: U+3099 U+309A (E3 82 99,
// E3 82 9A) or U+FF9E U+FF9F (EF BE 9E, EF BE 9F). Read from the bytes, so that the common case,
// no mark, costs no decoding.
bool markAt(std::string_view text, std::size_t i) {
  if (i + 3 > text.size()) return false;
  const auto b0 = static_cast<unsigned char>(text[i]);
  const auto b1 = static_cast<unsigned char>(text[i + 1]);
  const auto b2 = static_cast<unsigned char>(text[i + 2]);
  return (b0 == 0xE3 && b1 == 0x82 && (b2 == 0x99 || b2 == 0x9A)) || (b0 == 0xEF && b1 == 0xBE && (b2 == 0x9E || b2 == 0x9F));
}

// The key, worked out: width, then kana, then the look-alikes, then letter case.
char32_t computeKey(char32_t c) {
  if (c < 0x80) return asciiKeys[c];
  if ((c >= 0xFF01 && c <= 0xFF5E) || c == 0x3000 || (c >= 0xFFE0 && c <= 0xFFE6))
    c = narrowForm(c);
  else if (isHalfWidthKana(c))
    c = wideForm(c);
  switch (c = katakana(c)) {
    case 0x301C: return '~';     // 〜 and ～ (and so ~)
    case 0x2212: return '-';     // − and －
    case 0x2016: return 0x2225;  // ‖ and ∥
    case 0x2014: return 0x2015;  // — and ―
    case combiningVoiced: return spacingVoiced;  // a mark with no kana to join
    case combiningSemiVoiced: return spacingSemiVoiced;
    default: return foldCase(c);
  }
}

// The keys of the two blocks most Japanese text is made of, looked up rather than worked out:
// U+3000..U+30FF and U+FF00..U+FFEF.
struct BlockKeys {
  std::array<char16_t, 0x100> cjk;
  std::array<char16_t, 0xF0> halfAndFull;
  BlockKeys() {
    for (char32_t c = 0; c < 0x100; ++c) cjk[c] = static_cast<char16_t>(computeKey(0x3000 + c));
    for (char32_t c = 0; c < 0xF0; ++c) halfAndFull[c] = static_cast<char16_t>(computeKey(0xFF00 + c));
  }
};
const BlockKeys blockKeys;

struct KeySpelling {
  char32_t key;
  Spelling spelling;
};

// Every character whose key is not itself, and every kana that joins a mark into a form with a
// key, by key. Only these blocks hold characters with another key: Latin, Greek and Cyrillic
// letters, the look-alikes, kana, and the full- and half-width forms.
std::vector<KeySpelling> otherSpellings() {
  std::vector<KeySpelling> all;
  const std::pair<char32_t, char32_t> blocks[] = {{0, 0x530}, {0x2000, 0x2300}, {0x3000, 0x3100}, {0xFF00, 0xFFF0}};
  for (const auto& [first, end] : blocks)
    for (char32_t c = first; c < end; ++c) {
      if (keyOf(c) != c) all.push_back({keyOf(c), {c, false}});
      for (char32_t mark : {combiningVoiced, combiningSemiVoiced, halfWidthVoiced, halfWidthSemiVoiced})
        if (const char32_t j = joined(c, mark)) all.push_back({keyOf(j), {c, true}});
    }
  auto order = [](const KeySpelling& s) { return std::tuple(s.key, s.spelling.first, s.spelling.needsMark); };
  std::sort(all.begin(), all.end(), [&](const auto& a, const auto& b) { return order(a) < order(b); });
  all.erase(std::unique(all.begin(), all.end(), [&](const auto& a, const auto& b) { return order(a) == order(b); }),
            all.end());
  return all;
}

}  // namespace

char32_t keyOf(char32_t c) {
  if (c < 0x80) return asciiKeys[c];
  if (c >= 0x3000 && c < 0x3100) return blockKeys.cjk[c - 0x3000];
  if (c >= 0xFF00 && c < 0xFFF0) return blockKeys.halfAndFull[c - 0xFF00];
  return computeKey(c);
}

Unit unitAt(std::string_view text, int i) {
  const auto b = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
  if (b < 0x80) return {asciiKeys[b], 1};
  const utf::Decoded d = utf::decode(text, static_cast<std::size_t>(i));
  const std::size_t next = static_cast<std::size_t>(i + d.length);
  if (markAt(text, next)) {
    const utf::Decoded mark = utf::decode(text, next);
    if (const char32_t j = joined(d.c, mark.c)) return {keyOf(j), d.length + mark.length};
  }
  return {keyOf(d.c), d.length};
}

Unit unitBefore(std::string_view text, int end) {
  const auto last = static_cast<std::size_t>(end - 1);
  if (static_cast<unsigned char>(text[last]) < 0x80) return {asciiKeys[static_cast<unsigned char>(text[last])], 1};
  const std::size_t start = utf::codePointStart(text, last);
  const char32_t c = utf::decode(text, start).c;
  if ((isCombiningMark(c) || isHalfWidthMark(c)) && start > 0) {
    const std::size_t base = utf::codePointStart(text, start - 1);
    if (const char32_t j = joined(utf::decode(text, base).c, c)) return {keyOf(j), end - static_cast<int>(base)};
  }
  return {keyOf(c), end - static_cast<int>(start)};
}

bool startsUnit(std::string_view text, int i) {
  if (i <= 0 || !markAt(text, static_cast<std::size_t>(i))) return true;
  const char32_t mark = utf::decode(text, static_cast<std::size_t>(i)).c;
  const std::size_t base = utf::codePointStart(text, static_cast<std::size_t>(i - 1));
  return joined(utf::decode(text, base).c, mark) == 0;
}

std::vector<Spelling> spellingsOf(char32_t key) {
  static const std::vector<KeySpelling> others = otherSpellings();
  std::vector<Spelling> spellings;
  if (keyOf(key) == key) spellings.push_back({key, false});
  auto at = std::lower_bound(others.begin(), others.end(), key, [](const KeySpelling& s, char32_t k) { return s.key < k; });
  for (; at != others.end() && at->key == key; ++at) spellings.push_back(at->spelling);
  return spellings;
}

}  // namespace kakipo::fuzzy
