// The straightforward buffer scan, transcribed step by step from the search rules: one pass per
// cursor position, no skipping, its own tables. The engine's fast scan must return exactly this.
#pragma once
#include <optional>
#include <string>

namespace kakipo::test {

inline std::optional<int> referenceBufKensak(const std::string& buffer, int n, int selStart,
                                             int selLength, std::string s, unsigned options) {
  if (n <= 0 || s.empty()) return std::nullopt;
  const int m = static_cast<int>(s.size());
  const bool down = options & 0x1;
  const bool whole = options & 0x800;
  int direction, start, count;
  if (down) {
    direction = 1;
    start = selStart + selLength;
    count = n - start - m;
    if (count < 0) return std::nullopt;
  } else {
    direction = -1;
    start = selStart - m;
    count = start;
  }
  if (start < 0 || start > n) return std::nullopt;
  int cursor = start;

  unsigned char table[256];
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  bool fold = !(options & 0x20);
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) fold = false;
  if (fold) {
    for (int i = 'a'; i <= 'z'; ++i) table[i] = static_cast<unsigned char>(i - 32);
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }

  auto at = [&](int i) -> unsigned char { return i < n ? static_cast<unsigned char>(buffer[i]) : 0; };
  auto delimiter = [](unsigned char c) {
    return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
  };
  auto move = [&] {
    cursor += direction;
    --count;
  };
  auto tangoTobas = [&] {
    if (down) {
      while (count > 0 && !delimiter(at(cursor))) move();
      while (count > 0 && delimiter(at(cursor))) move();
    } else {
      while (count > 0 && delimiter(at(cursor))) move();
      while (count > 0 && !delimiter(at(cursor))) move();
      if (delimiter(at(cursor))) {
        ++cursor;
        ++count;
      }
    }
  };

  for (;;) {
    // Whole word begins a pass only while the count is above 0; the plain scan also compares the
    // last position, at count 0.
    if (whole ? count <= 0 : count < 0) return std::nullopt;
    if (whole) tangoTobas();
    int k = 0;
    while (k < m && cursor + k < n && table[at(cursor + k)] == static_cast<unsigned char>(s[k])) ++k;
    if (k == m && (!whole || count == 0 || delimiter(at(cursor + m)))) return cursor;
    move();
  }
}

}  // namespace kakipo::test
