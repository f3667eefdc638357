// Fuzzy search (あいまい検索): a search text found in a UTF-8 text whatever the width, the kana
// (hiragana or katakana), the letter case and the look-alike pairs 〜～ −－ ‖∥ —― of either;
// a match is the span of the text's own characters, so ｶﾞ (two characters) matches ガ.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/sequence_filter.h"

namespace kakipo {

struct Span {
  int start;   // byte offsets into the text searched
  int length;
  friend bool operator==(const Span&, const Span&) = default;
};

// A search text compiled once for any number of searches. A match never begins or ends inside a
// character or between a kana and the voicing mark joined to it.
class FuzzyPattern {
 public:
  explicit FuzzyPattern(std::string_view utf8);

  bool empty() const { return keys_.empty(); }

  // Down, the first match lying wholly in [from, to); up, the one that begins last.
  std::optional<Span> find(std::string_view text, int from, int to, bool down) const;
  // Every match from `from` to the end, each beginning where the one before it ends.
  std::vector<Span> findAll(std::string_view text, int from) const;

 private:
  std::vector<char32_t> keys_;  // one per unit
  // The unit a scan looks for before comparing the rest: as exact bytes when it and the units
  // after it in `literal_` have one spelling each (a kanji), through `filter_` otherwise.
  int anchor_ = 0;
  std::string literal_;
  SequenceFilter filter_;
};

}  // namespace kakipo
