// The longest line of a text, found before it is loaded: the editor control lays out a whole line
// (paragraph) at once, in time that grows with the square of its length, and again for every
// change made to it, so a very long line must be announced before the load starts.
#pragma once
#include <cstddef>
#include <string_view>

namespace kakipo {

// A line of Japanese prose this long takes the control under Wine ten to twenty seconds to show,
// twice the length four times as long, and every edit in the line nearly as long again
// (bench/README.md has the measurements). Lines of ASCII words cost far less.
inline constexpr std::size_t slowLineLength = 100000;

// The length of the text's longest line in UTF-16 units (the control's characters). CR, LF and
// CR LF each end a line, as they end a paragraph in the control. One pass.
std::size_t longestLineLength(std::string_view text);

}  // namespace kakipo
