#include "search/search.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "core/cp932.h"
#include "core/text_codec.h"
#include "core/utf.h"
#include "search/fuzzy_match.h"
#include "search/match_finder.h"

namespace kakipo {

FoldTable makeFoldTable(bool fold) {
  FoldTable table;
  for (int i = 0; i < 256; ++i) {
    const auto c = static_cast<unsigned char>(i);
    table[i] = fold ? upperAscii(c) : c;
  }
  return table;
}

void tangoTobas(ScanState& scan) {
  auto move = [&scan] {
    scan.cursor += scan.direction;
    --scan.count;
  };
  auto onDelimiter = [&scan] { return isDelimiter(scan.at(scan.cursor)); };
  if (scan.direction > 0) {
    while (scan.count > 0 && !onDelimiter()) move();
    while (scan.count > 0 && onDelimiter()) move();
  } else {
    while (scan.count > 0 && onDelimiter()) move();
    while (scan.count > 0 && !onDelimiter()) move();
    // Phase two stopped on the delimiter before the word (or ran out at the text's start there).
    if (onDelimiter()) {
      ++scan.cursor;
      ++scan.count;
    }
  }
}

namespace {

// Whole-word scan. Each pass runs tangoTobas and compares where it lands; a pass is begun only
// while the count is above 0, which is what makes the scan end. Before a pass the cursor jumps
// ahead to just short of the next position where the bytes match at all: tangoTobas lands on the
// same word starts from there as it would byte by byte, and the ones skipped could not match.
std::optional<int> wholeWordScan(ScanState scan, const MatchFinder& finder) {
  const int size = finder.size();
  auto accepted = [&] {
    return finder.matchesAt(scan.cursor) &&
           (scan.count == 0 || isDelimiter(scan.at(scan.cursor + size)));
  };
  while (scan.count > 0) {
    if (scan.direction > 0) {
      // tangoTobas moves down at least one byte, so the candidate lies in (cursor, cursor + count].
      const int match = finder.next(scan.cursor + 1, scan.cursor + scan.count);
      if (match < 0) return std::nullopt;
      // Two short of it, so that a word start just before the match is still compared (and fails)
      // as it would be, and the count runs out in the same place.
      const int target = match - 2;
      if (target > scan.cursor) {
        scan.count -= target - scan.cursor;
        scan.cursor = target;
      }
    } else {
      // Up, tangoTobas never lands above the cursor.
      const int match = finder.previous(scan.cursor, 0);
      if (match < 0) return std::nullopt;
      // From the match itself tangoTobas lands on the start of the word holding it, as it would
      // coming down byte by byte.
      if (match < scan.cursor) {
        scan.count -= scan.cursor - match;
        scan.cursor = match;
      }
    }
    tangoTobas(scan);
    if (accepted()) return scan.cursor;
    scan.cursor += scan.direction;
    --scan.count;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> bufKensak(const char* buffer, int length, int selStart, int selLength,
                             std::string_view searchText, unsigned options) {
  if (length <= 0 || searchText.empty()) return std::nullopt;
  const int size = static_cast<int>(searchText.size());
  const bool down = (options & fr::down) != 0;
  int start;
  int count;
  if (down) {
    start = selStart + selLength;
    count = length - start - size;
    if (count < 0) return std::nullopt;
  } else {
    start = selStart - size;
    count = start;
  }
  if (start < 0 || start > length) return std::nullopt;

  // A search text with any byte 0x80 or above (any double-byte character) is never folded, not
  // even its ASCII letters: folding bytes of a double-byte character would match other characters.
  const bool fold = (options & fr::matchCase) == 0 &&
                    std::none_of(searchText.begin(), searchText.end(),
                                 [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  const std::string pattern = fold ? upperAscii(std::string(searchText)) : std::string(searchText);

  const auto* bytes = reinterpret_cast<const unsigned char*>(buffer);
  const FoldTable table = makeFoldTable(fold);
  const MatchFinder finder(bytes, length, pattern, table);
  if ((options & fr::wholeWord) != 0)
    return wholeWordScan(ScanState{bytes, length, start, count, down ? 1 : -1}, finder);

  // Plain scan: every position from the start through the last one at which the text fits,
  // that one included.
  const int at = down ? finder.next(start, start + count) : finder.previous(start, 0);
  if (at < 0) return std::nullopt;
  return at;
}

namespace {

// The text as the engine scans it: its Shift_JIS bytes, with a zero byte (which no search text
// holds) for a character Shift_JIS cannot hold or a byte a file could not decode, and the way
// back to the text's own offsets. An offset inside a character moves to its end. Made in one pass
// that notes where the two agree every few kilobytes, so a conversion walks no further than that.
class ShiftJisView {
 public:
  explicit ShiftJisView(std::string_view text) : text_(text) {
    bytes_.resize(text.size());  // never longer: no character takes more bytes in Shift_JIS
    char* out = bytes_.data();
    std::size_t nextCheckpoint = 0;
    for (std::size_t i = 0; i < text.size();) {
      if (i >= nextCheckpoint) {
        checkpoints_.push_back({i, static_cast<std::size_t>(out - bytes_.data())});
        nextCheckpoint = i + checkpointBytes;
      }
      const auto b = static_cast<unsigned char>(text[i]);
      if (b < 0x80) {
        *out++ = static_cast<char>(b);
        ++i;
        continue;
      }
      const utf::Decoded d = utf::decode(text, i);
      const Cp932Code code = widthOf(d.c);
      if (code.length == 2) *out++ = static_cast<char>(code.code >> 8);
      *out++ = code.length ? static_cast<char>(code.code & 0xFF) : '\0';
      i += d.length;
    }
    bytes_.resize(static_cast<std::size_t>(out - bytes_.data()));
  }
  const std::string& bytes() const { return bytes_; }
  int viewOffset(int textOffset) const { return walk(textOffset, true); }
  int textOffset(int viewOffset) const { return walk(viewOffset, false); }

 private:
  static constexpr std::size_t checkpointBytes = 4096;
  static Cp932Code widthOf(char32_t c) {
    static const Cp932Code* const codes = cp932Codes();
    return c < 0x10000 && !utf::isEscape(c) ? codes[c] : Cp932Code{};
  }
  // From the last checkpoint at or before `to` on the side given, until it is reached.
  int walk(int to, bool fromText) const {
    const auto target = static_cast<std::size_t>(std::max(to, 0));
    const auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), target,
                                        [&](std::size_t v, const auto& p) { return v < (fromText ? p.first : p.second); });
    std::size_t t = 0, v = 0;
    if (after != checkpoints_.begin()) std::tie(t, v) = *std::prev(after);
    while (t < text_.size() && (fromText ? t : v) < target) {
      const utf::Decoded d = utf::decode(text_, t);
      const Cp932Code code = widthOf(d.c);
      t += d.length;
      v += code.length ? code.length : 1;
    }
    return static_cast<int>(fromText ? v : t);
  }
  std::string_view text_;
  std::string bytes_;
  std::vector<std::pair<std::size_t, std::size_t>> checkpoints_;  // text offset, view offset
};

bool heldWhole(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const utf::Decoded d = utf::decode(text, i);
    if (utf::isEscape(d.c) || cp932Code(d.c).length == 0) return false;
    i += d.length;
  }
  return true;
}

}  // namespace

bool memoKensak(Editor& editor, const std::string& searchText, unsigned options) {
  if (searchText.empty()) return false;
  const std::string text = editor.text();
  if (text.empty()) return false;
  const bool down = (options & fr::down) != 0;
  // A search text with a character Shift_JIS cannot hold is found in the text itself: its bytes
  // are all 0x80 and above, so neither folding nor the one-byte rule below ever applies to it.
  if (!heldWhole(searchText)) {
    const auto at = bufKensak(text.data(), static_cast<int>(text.size()), editor.selStart(), editor.selLength(),
                              searchText, options);
    if (!at) return false;
    editor.setSelStart(*at);
    editor.setSelLength(static_cast<int>(utf::pastVariationSelectors(text, *at + searchText.size()) - *at));
    editor.scrollOneLine(down);
    return true;
  }

  const ShiftJisView view(text);
  const std::string& bytes = view.bytes();
  const std::string pattern = cp932Bytes(searchText);
  const int length = static_cast<int>(bytes.size());
  const int size = static_cast<int>(pattern.size());
  // A character found is selected with the variation selectors that go with it.
  const auto select = [&](int at, int n) {
    const int start = view.textOffset(at);
    editor.setSelStart(start);
    editor.setSelLength(static_cast<int>(utf::pastVariationSelectors(text, view.textOffset(at + n))) - start);
  };

  // A one-byte search text that lands on a byte above 0x80 has hit half of a double-byte
  // character (or a half-width katakana); the match is dropped and the search goes on from just
  // past it. The selection each later pass starts from is the collapsed one the drop leaves, so it
  // is followed here on the copy, and only the first and the last drop are shown to the editor:
  // they leave the view and caret where selecting every dropped match in turn would.
  const int selStart = editor.selStart();
  int from = view.viewOffset(selStart);
  int fromLength = view.viewOffset(selStart + editor.selLength()) - from;
  std::optional<int> firstDropped;
  std::optional<int> lastDropped;
  auto resumeAfter = [&](int at) { return std::clamp(down ? at + 2 : at - 1, 0, length); };
  auto showDrop = [&](int at) {
    select(at, size);
    editor.setSelStart(view.textOffset(resumeAfter(at)));
  };
  auto showDrops = [&] {
    if (firstDropped) showDrop(*firstDropped);
    if (lastDropped && lastDropped != firstDropped) showDrop(*lastDropped);
  };

  for (;;) {
    const auto at = bufKensak(bytes.data(), length, from, fromLength, pattern, options);
    if (!at) {
      showDrops();
      return false;
    }
    if (size == 1 && static_cast<unsigned char>(bytes[*at]) > 0x80) {
      if (!firstDropped) firstDropped = at;
      lastDropped = at;
      from = resumeAfter(*at);
      fromLength = 0;
      continue;
    }
    showDrops();
    select(*at, size);
    // One line further than bringing the caret into view, so the match is not on the edge.
    editor.scrollOneLine(down);
    return true;
  }
}

bool fuzzyKensak(Editor& editor, const std::string& searchText, bool down) {
  const FuzzyPattern pattern(searchText);
  if (pattern.empty()) return false;
  const std::string text = editor.text();
  const int start = editor.selStart();
  // Down, behind the selection; up, ending at or before its start, as the exact search goes.
  const auto found = down ? pattern.find(text, start + editor.selLength(), static_cast<int>(text.size()), true)
                          : pattern.find(text, 0, start, false);
  if (!found) return false;
  editor.setSelStart(found->start);
  editor.setSelLength(found->length);
  editor.scrollOneLine(down);
  return true;
}

}  // namespace kakipo
