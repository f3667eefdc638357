// Fuzzy matches found the straightforward way: the pattern's units compared with the text's at
// every character boundary in the range. The fast scan must find exactly the first (down) and the
// last (up) of them.
#pragma once
#include <string_view>
#include <vector>

#include "core/utf.h"
#include "search/fuzzy_keys.h"
#include "search/fuzzy_match.h"

namespace kakipo::test {

inline std::vector<Span> referenceFuzzyMatches(std::string_view text, std::string_view pattern, int from, int to) {
  std::vector<Span> all;
  const int size = static_cast<int>(text.size());
  for (int at = from; at < to && !pattern.empty(); ++at) {
    if (utf::codePointStart(text, static_cast<std::size_t>(at)) != static_cast<std::size_t>(at) ||
        !fuzzy::startsUnit(text, at))
      continue;
    int t = at, p = 0;
    while (p < static_cast<int>(pattern.size()) && t < size) {
      const fuzzy::Unit a = fuzzy::unitAt(text, t), b = fuzzy::unitAt(pattern, p);
      if (a.key != b.key) break;
      t += a.length, p += b.length;
    }
    if (p == static_cast<int>(pattern.size()) && t <= to) all.push_back({at, t - at});
  }
  return all;
}

}  // namespace kakipo::test
