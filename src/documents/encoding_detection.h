// Which encoding a plain-text file is in, read from its bytes in one pass: a byte-order mark, or
// valid UTF-8 that holds at least one multi-byte character; anything else is Shift_JIS (so is
// pure ASCII, whose bytes are the same either way). No guessing from statistics.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/text_encoding.h"

namespace kakipo {

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::ShiftJis;
  std::size_t markBytes = 0;  // the byte-order mark at the start, which is not part of the text
  friend bool operator==(const DetectedEncoding&, const DetectedEncoding&) = default;
};

DetectedEncoding detectEncoding(std::string_view bytes);

// The file read as the user says it is written: a mark of that encoding (for UTF-8, with or
// without one) is taken off and kept; UTF-8 with its mark becomes "UTF-8 BOM" and the other way
// round, as the bytes say.
DetectedEncoding readAs(TextEncoding chosen, std::string_view bytes);

// Valid UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes, bool* hasMultiByte = nullptr);

}  // namespace kakipo
