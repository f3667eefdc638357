// The longest line of a plain-text file, found before it is loaded: the editor control lays out a
// whole line (paragraph) at once, in time that grows with the square of its length, and again for
// every change made to it, so a very long line must be announced before the load starts.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/text_encoding.h"

namespace kakipo {

// A line at least this long takes the control well over ten seconds to lay out under Wine when it
// is Japanese prose (bench/README.md has the measurements), and as long again for each edit in it.
inline constexpr std::size_t slowLineLength = 60000;

// The length of the file's longest line in UTF-16 units (the control's characters), the bytes
// being the text after any byte-order mark, in the encoding they were detected in. CR, LF and
// CR LF each end a line, as they end a paragraph in the control. One pass over the bytes.
std::size_t longestLineLength(std::string_view text, TextEncoding encoding);

}  // namespace kakipo
