// Finds the positions at which a search text matches a buffer byte for byte, through the folding
// table, skipping ahead with a vector filter on the first and last byte where the CPU has one.
// The search engine's scans jump to these positions instead of comparing at every byte.
#pragma once
#include <array>
#include <string_view>

namespace kakipo {

class MatchFinder {
 public:
  // A buffer byte b matches pattern byte c when table[b] == c; `pattern` is already folded.
  MatchFinder(const unsigned char* buffer, int length, std::string_view pattern,
              const std::array<unsigned char, 256>& table);

  // Whether the pattern matches at `at` and fits inside the buffer.
  bool matchesAt(int at) const;
  // The first match at a position in [from, to], or -1. Positions past length - size() are none.
  int next(int from, int to) const;
  // The last match at a position in [downTo, from], or -1.
  int previous(int from, int downTo) const;
  int size() const { return size_; }

 private:
  bool filterAt(int at) const;

  const unsigned char* buffer_;
  int length_;
  std::string_view pattern_;
  int size_;
  const std::array<unsigned char, 256>& table_;
  bool identity_;
  // Filter bytes: a candidate's first and last byte, OR-ed with the mask, equal these. Without a
  // filter (a table that maps three or more bytes onto one pattern byte) every position is compared.
  bool filtered_;
  unsigned char first_ = 0, last_ = 0, firstMask_ = 0, lastMask_ = 0;
};

}  // namespace kakipo
