// The program's own byte-level search (the unit Search): finds a search text in the editor's text
// towards the end or the start, with ASCII case folding and whole words, and selects it. Its rules
// are stated in Shift_JIS bytes, so it scans the text's Shift_JIS bytes.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor.h"
#include "search/search_options.h"

namespace kakipo {

// One bit per byte value (bit i % 8 of byte i / 8); a set bit marks a delimiter. Only the digits
// and the ASCII letters are word characters, so every byte of a double-byte character, every
// half-width katakana and the underscore delimit words.
inline constexpr std::array<std::uint8_t, 32> wordDelimiters = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFC, 0x01, 0x00, 0x00, 0xF8, 0x01, 0x00, 0x00, 0xF8,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

constexpr bool isDelimiter(unsigned char c) { return (wordDelimiters[c >> 3] >> (c & 7)) & 1; }

// Maps a candidate byte to the byte it is compared as: the identity, or upperAscii when folding.
using FoldTable = std::array<unsigned char, 256>;
FoldTable makeFoldTable(bool fold);

// The cursor of one buffer scan. `count` is how many more bytes the cursor may move in
// `direction` (+1 down, -1 up). Bytes at `length` and beyond read as the terminating zero.
struct ScanState {
  const unsigned char* buffer = nullptr;
  int length = 0;
  int cursor = 0;
  int count = 0;
  int direction = 1;

  unsigned char at(int i) const { return i >= 0 && i < length ? buffer[i] : 0; }
};

// "Skip a word", the whole-word step before each candidate: down, to the start of the word after
// the one (or the delimiters) at the cursor; up, to the start of the word at or before the cursor.
void tangoTobas(ScanState& scan);

// "Buffer search": the position of the first match of `searchText` in the `length` bytes at
// `buffer`, searching from the selection by the option word (fr::down, fr::matchCase,
// fr::wholeWord; other bits are ignored). An empty search text finds nothing. No byte at or after
// `length` is read.
std::optional<int> bufKensak(const char* buffer, int length, int selStart, int selLength,
                             std::string_view searchText, unsigned options);

// "Memo search": searches the editor's text from its selection and selects the match; false when
// nothing is found. No message is shown here. A search text Shift_JIS can hold is sought in the
// text's Shift_JIS bytes, where a character it cannot hold never matches; any other is sought in
// the text itself, exactly (the engine never folds a text with characters beyond ASCII).
bool memoKensak(Editor& editor, const std::string& searchText, unsigned options);

// The same from the selection with あいまい検索 (search/fuzzy_match.h): the match selected is the
// text's own characters, however many bytes they take.
bool fuzzyKensak(Editor& editor, const std::string& searchText, bool down);

}  // namespace kakipo
