#include "search/fuzzy_match.h"

#include <algorithm>

#include "search/fuzzy_keys.h"
#include "search/fuzzy_scan_plan.h"
#include "search/match_finder.h"
#include "search/search.h"

namespace kakipo {

namespace {

const FoldTable& identity() {
  static const FoldTable table = makeFoldTable(false);
  return table;
}

// The match of the pattern `keys` whose unit `anchor` begins at `at`, if there is one.
std::optional<Span> matchAt(const std::vector<char32_t>& keys, int anchor, std::string_view text, int at) {
  if (!fuzzy::startsUnit(text, at)) return std::nullopt;
  const int n = static_cast<int>(keys.size());
  const int size = static_cast<int>(text.size());
  int end = at;
  for (int k = anchor; k < n; ++k) {
    if (end >= size) return std::nullopt;
    const fuzzy::Unit u = fuzzy::unitAt(text, end);
    if (u.key != keys[static_cast<std::size_t>(k)]) return std::nullopt;
    end += u.length;
  }
  int start = at;
  for (int k = anchor - 1; k >= 0; --k) {
    if (start <= 0) return std::nullopt;
    const fuzzy::Unit u = fuzzy::unitBefore(text, start);
    if (u.key != keys[static_cast<std::size_t>(k)]) return std::nullopt;
    start -= u.length;
  }
  return Span{start, end - start};
}

// One find: the places the scan stops at are offered in order until the answer is certain.
// Units never overlap, so of two matches the one whose anchor comes later begins and ends later:
// the first match in range down (the last up) is the answer, and one that ends past the range
// (begins before it) ends the search.
struct Find {
  const std::vector<char32_t>& keys;
  int anchor;
  std::string_view text;
  int from;
  int to;
  bool down;
  std::optional<Span> found;

  // Whether the scan ends at `at`.
  bool endsAt(int at) {
    const auto m = matchAt(keys, anchor, text, at);
    if (!m) return false;
    const bool startsInRange = m->start >= from;
    const bool endsInRange = m->start + m->length <= to;
    if (startsInRange && endsInRange) found = m;
    return down ? startsInRange : endsInRange;
  }
  static bool endsScanAt(void* find, int at) { return static_cast<Find*>(find)->endsAt(at); }
};

}  // namespace

FuzzyPattern::FuzzyPattern(std::string_view pattern) {
  for (int i = 0; i < static_cast<int>(pattern.size());) {
    const fuzzy::Unit u = fuzzy::unitAt(pattern, i);
    keys_.push_back(u.key);
    i += u.length;
  }
  if (keys_.empty()) return;
  const ScanPlan plan = scanPlanFor(keys_);
  anchor_ = plan.anchor;
  literal_ = plan.literal;
  for (const auto& tests : plan.sequences) filter_.add(tests.data(), static_cast<int>(tests.size()));
  if (plan.followOffset >= 0)
    filter_.follow(plan.followOffset, plan.followValues.data(), static_cast<int>(plan.followValues.size()));
}

std::optional<Span> FuzzyPattern::find(std::string_view text, int from, int to, bool down) const {
  const int size = static_cast<int>(text.size());
  from = std::max(from, 0);
  to = std::min(to, size);
  const int n = static_cast<int>(keys_.size());
  // Every unit takes at least one byte: the anchor unit begins in [first, last].
  const int first = from + anchor_;
  const int last = to - (n - anchor_);
  if (n == 0 || first > last) return std::nullopt;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  Find f{keys_, anchor_, text, from, to, down, std::nullopt};
  if (literal_.empty()) {
    const SequenceFilter::Accept accept{&Find::endsScanAt, &f};
    if (down)
      filter_.next(bytes, size, first, last, accept);
    else
      filter_.previous(bytes, size, last, first, accept);
    return f.found;
  }
  const MatchFinder literal(bytes, size, literal_, identity());
  if (down) {
    for (int at = literal.next(first, last); at >= 0 && !f.endsAt(at); at = at < last ? literal.next(at + 1, last) : -1) {
    }
  } else {
    for (int at = literal.previous(last, first); at >= 0 && !f.endsAt(at);
         at = at > first ? literal.previous(at - 1, first) : -1) {
    }
  }
  return f.found;
}

std::vector<Span> FuzzyPattern::findAll(std::string_view text, int from) const {
  std::vector<Span> all;
  const int size = static_cast<int>(text.size());
  for (auto m = find(text, from, size, true); m; m = find(text, m->start + m->length, size, true)) all.push_back(*m);
  return all;
}

}  // namespace kakipo
