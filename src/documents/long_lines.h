// The line of a text the editor control would take longest over, found before it is loaded: the
// control lays out a whole line (paragraph) at once, in time that grows with the square of the
// runs of one script in it, and again for every change made to it, so such a line must be
// announced before the load starts.
#pragma once
#include <cstddef>
#include <string_view>

namespace kakipo {

// A line of Japanese prose of 100,000 characters changes script (kanji, kana, punctuation) about
// every second character; the control under Wine takes ten to twenty seconds to show it, twice
// as many runs four times as long, and every edit in the line nearly as long again
// (bench/README.md has the measurements). A line as long in one script (ASCII words and blanks,
// kanji only) takes about a second.
inline constexpr std::size_t slowLineRuns = 50000;

struct HeaviestLine {
  std::size_t runs = 0;        // runs of one script in it
  std::size_t characters = 0;  // its length in UTF-16 units, the control's characters
};

// The line with the most runs of one script. CR, LF and CR LF each end a line, as they end a
// paragraph in the control. One pass.
HeaviestLine heaviestLine(std::string_view text);

}  // namespace kakipo
