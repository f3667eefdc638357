#include "core/char_forms.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace kakipo::forms {

namespace {

struct KanaJoin {
  char16_t base;
  char16_t voiced;
  char16_t semiVoiced;
  bool voicedInCp932;
  bool semiVoicedInCp932;
};

struct CaseFoldRun {
  char16_t first;
  char16_t last;
  int delta;
  int step;
};

#include "core/char_forms_data.inc"

// U+00A2 U+00A3 U+00AC U+00AF U+00A6 U+00A5 U+20A9, in the order of their full-width forms
// U+FFE0..U+FFE6.
constexpr char16_t latinSigns[7] = {0x00A2, 0x00A3, 0x00AC, 0x00AF, 0x00A6, 0x00A5, 0x20A9};

// U+3000..U+30FF to its half-width form, 0 for none.
constexpr auto narrowKana = [] {
  std::array<char16_t, 0x100> table{};
  for (int i = 0; i < 63; ++i) table[halfWidthKanaWide[i] - 0x3000] = static_cast<char16_t>(0xFF61 + i);
  return table;
}();

// U+3000..U+30FF to its base and combining mark, {0, 0} for none.
constexpr auto splitKana = [] {
  std::array<Split, 0x100> table{};
  for (const KanaJoin& j : kanaJoins) {
    if (j.voiced != 0) table[j.voiced - 0x3000] = {j.base, combiningVoiced};
    if (j.semiVoiced != 0) table[j.semiVoiced - 0x3000] = {j.base, combiningSemiVoiced};
  }
  return table;
}();

const KanaJoin* joinOf(char32_t base) {
  const auto* end = std::end(kanaJoins);
  const auto* at = std::lower_bound(std::begin(kanaJoins), end, base,
                                    [](const KanaJoin& j, char32_t c) { return j.base < c; });
  return at != end && at->base == base ? at : nullptr;
}

}  // namespace

char32_t wideForm(char32_t c) {
  if (c == 0x20) return 0x3000;
  if (c >= 0x21 && c <= 0x7E) return c + 0xFEE0;
  if (isHalfWidthKana(c)) return halfWidthKanaWide[c - 0xFF61];
  for (int i = 0; i < 7; ++i)
    if (latinSigns[i] == c) return 0xFFE0 + i;
  return c;
}

char32_t narrowForm(char32_t c) {
  if (c == 0x3000) return 0x20;
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;
  if (c >= 0xFFE0 && c <= 0xFFE6) return latinSigns[c - 0xFFE0];
  if (c > 0x3000 && c <= 0x30FF && narrowKana[c - 0x3000] != 0) return narrowKana[c - 0x3000];
  return c;
}

char32_t katakana(char32_t c) {
  return (c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E ? c + 0x60 : c;
}

char32_t hiragana(char32_t c) {
  return (c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE ? c - 0x60 : c;
}

char32_t joined(char32_t base, char32_t mark) {
  const bool half = isHalfWidthKana(base);
  if (!isCombiningMark(mark) && !(half && isHalfWidthMark(mark))) return 0;
  const KanaJoin* j = joinOf(half ? wideForm(base) : base);
  if (j == nullptr) return 0;
  const bool voiced = mark == combiningVoiced || mark == halfWidthVoiced;
  if (isHalfWidthMark(mark) && !(voiced ? j->voicedInCp932 : j->semiVoicedInCp932)) return 0;
  return voiced ? j->voiced : j->semiVoiced;
}

Split split(char32_t c) {
  if (c >= 0x3000 && c <= 0x30FF && splitKana[c - 0x3000].mark != 0) return splitKana[c - 0x3000];
  return {c, 0};
}

char32_t foldCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  if (c >= 0x530) return c;
  const auto* at = std::upper_bound(std::begin(caseFoldRuns), std::end(caseFoldRuns), c,
                                    [](char32_t x, const CaseFoldRun& r) { return x < r.first; });
  if (at == std::begin(caseFoldRuns)) return c;
  const CaseFoldRun& run = *--at;
  if (c > run.last || (c - run.first) % run.step != 0) return c;
  return static_cast<char32_t>(static_cast<int>(c) + run.delta);
}

}  // namespace kakipo::forms
