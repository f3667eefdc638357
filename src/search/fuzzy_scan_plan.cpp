#include "search/fuzzy_scan_plan.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <string_view>

#include "core/char_forms.h"
#include "core/utf.h"
#include "search/fuzzy_keys.h"

namespace kakipo {

namespace {

using fuzzy::Spelling;
using Spellings = std::vector<std::vector<Spelling>>;  // of each unit of the pattern

// A way to scan, and what it costs.
struct Plan : ScanPlan {
  double cost = 0;
};

// Up to three bytes that the anchor unit (and what follows it) may begin with; bytes[k] | masks[k]
// are the values byte k may take.
struct Prefix {
  unsigned char bytes[3] = {};
  unsigned char masks[3] = {};
  int length = 0;
  // For a kana that spells the unit only with a voicing mark after it: where the mark's last byte
  // lies, and the values it may take (markByte | markMask).
  int markAt = -1;
  unsigned char markByte = 0;
  unsigned char markMask = 0;
  friend bool operator==(const Prefix&, const Prefix&) = default;
};

bool isLetter(unsigned char b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }

// How often a character, or a byte at a character's start, turns up in Japanese text with ASCII
// mixed in, roughly: enough to prefer a kanji to a kana, a kana to a letter, and a letter with
// what follows it to a letter alone as what a scan looks for.
double shareOfAscii(unsigned char b, unsigned char mask) {
  const double share = isLetter(b) ? 1.0 / 50 : b >= '0' && b <= '9' ? 1.0 / 100 : b == ' ' ? 1.0 / 15 : 1.0 / 60;
  return mask != 0 ? 2 * share : share;
}
double shareOfCharacter(char32_t c) {
  if (c >= 0x3040 && c < 0x3100) return 1.0 / 150;   // a kana
  if (c >= 0x3000 && c < 0x3040) return 1.0 / 100;   // Japanese punctuation
  if (c >= 0x4E00 && c < 0xA000) return 1.0 / 3000;  // a kanji
  if (c >= 0xFF00 && c < 0xFFF0) return 1.0 / 500;   // a full- or half-width form
  return 1.0 / 1000;
}
double shareOfLeadByte(unsigned char b) {
  if (b == 0xE3) return 1.0 / 6;                // kana and Japanese punctuation
  if (b >= 0xE4 && b <= 0xE9) return 1.0 / 15;  // kanji
  if (b == 0xEF) return 1.0 / 30;               // full- and half-width forms
  return 1.0 / 100;
}
// A byte within a character, where the character is known to begin or end.
constexpr double shareOfInnerByte = 1.0 / 50;

double shareOf(const Prefix& p) {
  double share = 1;
  for (int k = 0; k < p.length;) {
    if (p.bytes[k] < 0x80) {
      share *= shareOfAscii(p.bytes[k], p.masks[k]);
      ++k;
      continue;
    }
    const std::string_view rest(reinterpret_cast<const char*>(p.bytes + k), static_cast<std::size_t>(p.length - k));
    const utf::Decoded d = utf::decode(rest, 0);
    share *= utf::isEscape(d.c) ? shareOfLeadByte(p.bytes[k]) : shareOfCharacter(d.c);
    for (int i = k; i < k + d.length; ++i) share *= 1 << std::popcount(p.masks[i]);
    k += d.length;
  }
  if (p.markAt >= 0) share *= shareOfInnerByte * (1 << std::popcount(p.markMask));
  return share;
}

// The cost of a scan per 16 bytes of text in vector operations: the filter's, and the comparing
// of the whole pattern (the time of some 7000 of them, much of it mispredicted branches, for 16
// places) at every place it lets through.
constexpr double compareCost = 7000;
double testsCost(const std::vector<std::vector<SequenceFilter::Test>>& sequences) {
  bool masked = false;
  std::size_t tests = 0;
  for (const auto& s : sequences) {
    tests = std::max(tests, s.size());
    for (const auto& t : s) masked = masked || t.mask != 0;
  }
  return static_cast<double>(sequences.size() * (tests * (masked ? 3 : 2) + 1));
}

// The exact scan tests a candidate's first and last byte before comparing it.
double literalCost(const std::string& bytes) {
  const auto first = static_cast<unsigned char>(bytes.front());
  const double share = first < 0x80 ? shareOfAscii(first, 0) : shareOfLeadByte(first);
  return 6 + (bytes.size() > 1 ? share * shareOfInnerByte : share) * compareCost;
}

// The prefixes unit k of the pattern may begin with. After an ASCII character (one byte) the
// next unit's spellings are appended, up to three bytes, so that a letter is looked for with what
// follows it.
void collectPrefixes(const std::vector<char32_t>& keys, const Spellings& spellings, std::size_t k, Prefix prefix,
                     bool extend, std::vector<Prefix>& out) {
  for (const Spelling& s : spellings[k]) {
    const std::string bytes = utf::encode(s.first);
    Prefix p = prefix;
    for (std::size_t i = 0; i < bytes.size() && p.length < 3; ++i) p.bytes[p.length++] = static_cast<unsigned char>(bytes[i]);
    if (s.needsMark && prefix.length == 0) {
      // Every mark is three bytes; the last tells the voiced from the semi-voiced.
      bool first = true;
      for (char32_t mark : {forms::combiningVoiced, forms::combiningSemiVoiced, forms::halfWidthVoiced, forms::halfWidthSemiVoiced})
        if (const char32_t j = forms::joined(s.first, mark); j != 0 && fuzzy::keyOf(j) == keys[k]) {
          const auto last = static_cast<unsigned char>(utf::encode(mark).back());
          p.markMask = first ? 0 : static_cast<unsigned char>(p.markMask | ((p.markByte | p.markMask) ^ last));
          p.markByte = static_cast<unsigned char>((first ? last : p.markByte) | p.markMask);
          first = false;
        }
      p.markAt = static_cast<int>(bytes.size()) + 2;
    }
    if (extend && bytes.size() == 1 && p.length < 3 && k + 1 < spellings.size())
      collectPrefixes(keys, spellings, k + 1, p, extend, out);
    else if (std::find(out.begin(), out.end(), p) == out.end())
      out.push_back(p);
  }
}

// Two prefixes of one length that differ at each place in one bit at most become one that takes
// either byte there (ａ and Ａ are EF BD 81 and EF BC A1; a capital and its small letter differ
// in 0x20). Where they differ at two places it also takes the two mixed sequences, which the
// comparing of the pattern then turns down.
void mergeOneBitDifferences(std::vector<Prefix>& prefixes) {
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < prefixes.size() && !merged; ++i)
      for (std::size_t j = i + 1; j < prefixes.size() && !merged; ++j) {
        Prefix& a = prefixes[i];
        const Prefix& b = prefixes[j];
        if (a.length != b.length || a.markAt != b.markAt || a.markByte != b.markByte || a.markMask != b.markMask) continue;
        int differences = 0;
        bool oneBit = true;
        for (int k = 0; k < a.length; ++k) {
          const unsigned bits = (a.bytes[k] | a.masks[k]) ^ (b.bytes[k] | b.masks[k]);
          differences += bits != 0 || a.masks[k] != b.masks[k];
          oneBit = oneBit && a.masks[k] == b.masks[k] && std::popcount(bits) <= 1;
        }
        if (!oneBit || differences > 2) continue;
        for (int k = 0; k < a.length; ++k) {
          a.masks[k] = static_cast<unsigned char>(a.masks[k] | ((a.bytes[k] | a.masks[k]) ^ (b.bytes[k] | b.masks[k])));
          a.bytes[k] |= a.masks[k];
        }
        prefixes.erase(prefixes.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
  }
}

// The tests of a prefix. A character of three bytes is told from the others nearly as well by
// its second and third bytes as by all three, for two thirds of the work; after an ASCII
// character, the first byte of a longer one tells nearly as much as all it has in the prefix.
std::vector<SequenceFilter::Test> testsOf(const Prefix& p) {
  std::vector<SequenceFilter::Test> tests;
  if (p.markAt >= 0) {
    // The kana's last byte and the mark's: a kana followed by a mark is rare.
    tests.push_back({p.length - 1, p.bytes[p.length - 1], p.masks[p.length - 1]});
    tests.push_back({p.markAt, p.markByte, p.markMask});
    return tests;
  }
  if (p.bytes[0] >= 0xE0 && p.length == 3 && p.masks[0] == 0) {
    for (int k = 1; k < 3; ++k) tests.push_back({k, p.bytes[k], p.masks[k]});
    return tests;
  }
  for (int k = 0; k < p.length; ++k) {
    tests.push_back({k, p.bytes[k], p.masks[k]});
    if (p.bytes[0] < 0x80 && p.bytes[k] >= 0xC0) break;
  }
  return tests;
}

// A unit with one spelling that no mark can follow into another unit: its bytes are its only form.
bool isLiteral(const std::vector<Spelling>& spellings) {
  if (spellings.size() != 1 || spellings[0].needsMark) return false;
  const char32_t c = spellings[0].first;
  return forms::joined(c, forms::combiningVoiced) == 0 && forms::joined(c, forms::combiningSemiVoiced) == 0;
}

// The scan for the run of literal units from k on.
Plan literalPlan(const Spellings& spellings, std::size_t k) {
  Plan plan;
  plan.anchor = static_cast<int>(k);
  for (std::size_t j = k; j < spellings.size() && isLiteral(spellings[j]); ++j) plan.literal += utf::encode(spellings[j][0].first);
  plan.cost = literalCost(plan.literal);
  return plan;
}

int lengthOf(const Spelling& s) { return static_cast<int>(utf::encode(s.first).size()); }

// The scan for unit k through its prefixes. When every spelling of the unit is one character of
// the same length L and none needs a mark, the next unit begins L bytes on: when its spellings
// all take L2 bytes, the filter also looks at their last byte, else at their first.
std::optional<Plan> prefixPlan(const std::vector<char32_t>& keys, const Spellings& spellings, std::size_t k) {
  std::vector<Prefix> prefixes;
  collectPrefixes(keys, spellings, k, Prefix{}, true, prefixes);
  mergeOneBitDifferences(prefixes);
  if (prefixes.size() > static_cast<std::size_t>(SequenceFilter::maxSequences)) {
    prefixes.clear();
    collectPrefixes(keys, spellings, k, Prefix{}, false, prefixes);
    mergeOneBitDifferences(prefixes);
    if (prefixes.size() > static_cast<std::size_t>(SequenceFilter::maxSequences)) return std::nullopt;
  }
  Plan plan;
  plan.anchor = static_cast<int>(k);
  double share = 0;
  for (const Prefix& p : prefixes) share += shareOf(p), plan.sequences.push_back(testsOf(p));
  plan.cost = testsCost(plan.sequences);

  const std::vector<Spelling>& unit = spellings[k];
  const int length = lengthOf(unit.front());
  const bool fixed = length > 1 && std::all_of(unit.begin(), unit.end(), [&](const Spelling& s) {
                       return !s.needsMark && lengthOf(s) == length;
                     });
  if (fixed && k + 1 < spellings.size()) {
    const std::vector<Spelling>& next = spellings[k + 1];
    const int nextLength = lengthOf(next.front());
    const bool same = std::all_of(next.begin(), next.end(), [&](const Spelling& s) { return lengthOf(s) == nextLength; });
    const int at = same ? nextLength - 1 : 0;
    std::vector<unsigned char> values;
    for (const Spelling& s : next)
      if (const auto b = static_cast<unsigned char>(utf::encode(s.first)[static_cast<std::size_t>(at)]);
          std::find(values.begin(), values.end(), b) == values.end())
        values.push_back(b);
    if (values.size() <= static_cast<std::size_t>(SequenceFilter::maxFollowValues)) {
      plan.followOffset = length + at;
      plan.followValues = values;
      double follow = 0;
      for (unsigned char b : values) follow += same ? shareOfInnerByte : b < 0x80 ? shareOfAscii(b, 0) : shareOfLeadByte(b);
      share *= std::min(follow, 1.0);
      plan.cost += 2 * SequenceFilter::maxFollowValues + 2;
    }
  }
  plan.cost += share * compareCost;
  return plan;
}

}  // namespace

ScanPlan scanPlanFor(const std::vector<char32_t>& keys) {
  Spellings spellings;
  for (char32_t key : keys) spellings.push_back(fuzzy::spellingsOf(key));
  std::optional<Plan> best;
  auto consider = [&](std::optional<Plan> plan) {
    if (plan && (!best || plan->cost < best->cost)) best = std::move(plan);
  };
  for (std::size_t k = 0; k < keys.size(); ++k) {
    if (isLiteral(spellings[k]) && (k == 0 || !isLiteral(spellings[k - 1]))) consider(literalPlan(spellings, k));
    consider(prefixPlan(keys, spellings, k));
  }
  return *best;
}

}  // namespace kakipo
